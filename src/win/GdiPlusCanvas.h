#pragma once
// The canvas of the portable drawings on GDI+: a window's paint context, a
// bitmap, or a printer page measured in inches. Every surface gets the same
// quality settings (bicubic interpolation, high-quality compositing,
// anti-aliasing). Call statuses are recorded and drawing goes on; a font
// family GDI+ does not have is replaced as UsableFontFamily says, so a report
// keeps its text wherever any font is installed.
#include <windows.h>
// <windows.h> maps DrawText to DrawTextA, which would rename the canvas
// method differently depending on which header came first.
#undef DrawText

#include "base/Canvas.h"
#include "win/DisplayScale.h"

#include <functional>
#include <memory>

namespace Gdiplus {
class Bitmap;
class Graphics;
class Font;
}

class GdiPlusCanvas : public Canvas {
public:
    // Draws on an existing graphics object (window, bitmap or printer page);
    // the caller owns it and chooses its page unit.
    explicit GdiPlusCanvas(Gdiplus::Graphics& graphics);
    // Draws on `target` through `graphics`, which must be the bitmap's own.
    // A fill of the whole bitmap is written into its pixels directly: GDI+
    // under Wine blends a fill pixel by pixel, which took a third of a
    // report image's drawing time.
    GdiPlusCanvas(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& target);
    ~GdiPlusCanvas() override;
    GdiPlusCanvas(const GdiPlusCanvas&) = delete;
    GdiPlusCanvas& operator=(const GdiPlusCanvas&) = delete;

    void FillRectangle(int x, int y, int width, int height, Colour colour) override;
    void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override;
    void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) override;
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override;
    void DrawImage(const std::string& path, float x, float y, float width, float height) override;

    // Loads a font family once before the first paint: GDI+ reads the
    // system's fonts on first use, which would otherwise land in a paint.
    static void PrepareFont(const std::string& family);

    // Sets the three quality modes on a graphics object.
    static void ApplyQuality(Gdiplus::Graphics& graphics);

private:
    // Sets every pixel of the target to `colour`; false when there is no
    // target, the fill does not cover it whole in its pixels, or the
    // graphics transform or clip it, so GDI+ has to draw the fill.
    bool FillWholeTarget(int x, int y, int width, int height, Colour colour);

    // Null when no font family at all is installed.
    Gdiplus::Font* FontFor(const FontSpec& font);

    Gdiplus::Graphics& graphics_;
    Gdiplus::Bitmap* target_ = nullptr;
    // A drawing names two or three fonts in dozens of strings; GDI+ searches
    // the installed families each time a family is named, which took most of
    // a report's drawing time.
    struct FontCache;
    std::unique_ptr<FontCache> fonts_;
};

// Paints a window's invalid area: `draw` gets a canvas in 96-dpi pixels that
// lands on the window at its scale (WindowScale; the one place drawings are
// scaled), with the quality settings of every surface. `offScreen` draws
// into a bitmap first and copies it at once, so a view that scrolls does not
// flicker; it then paints the whole client area.
void PaintWindow(HWND window, const std::function<void(Canvas&)>& draw, bool offScreen = false);
// The same for a chart laid out for its dialog at 96 dpi: it grows across
// and down as the dialog did, and so fills it as it does at 96 dpi.
void PaintDrawing(HWND window, const std::function<void(Canvas&)>& draw);
