#include "win/GdiPlusCanvas.h"
#include "win/FontFamilies.h"
#include "win/WideText.h"
#include "base/ContrastCanvas.h"
#include "base/ScaledCanvas.h"
#include "win/ScopedHandle.h"
#include "win/Theme.h"
#include "win/DisplayScale.h"

#include <windows.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

namespace {

Gdiplus::Color Opaque(Colour colour)
{
    return Gdiplus::Color(255, colour.red, colour.green, colour.blue);
}

// GDI+ leaves a pen's caps flat unless told otherwise; set them anyway so a
// line ends exactly at its end points whatever the platform's default is.
void MakeFlat(Gdiplus::Pen& pen)
{
    pen.SetLineCap(Gdiplus::LineCapFlat, Gdiplus::LineCapFlat, Gdiplus::DashCapFlat);
}

} // namespace

struct GdiPlusCanvas::FontCache {
    std::map<std::string, std::unique_ptr<Gdiplus::FontFamily>> families;
    std::map<std::tuple<std::string, float, bool>, std::unique_ptr<Gdiplus::Font>> fonts;
};

GdiPlusCanvas::GdiPlusCanvas(Gdiplus::Graphics& graphics) : graphics_(graphics), fonts_(new FontCache) {}

GdiPlusCanvas::GdiPlusCanvas(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& target)
    : graphics_(graphics), target_(&target), fonts_(new FontCache)
{
}

GdiPlusCanvas::~GdiPlusCanvas() = default;

Gdiplus::Font* GdiPlusCanvas::FontFor(const FontSpec& font)
{
    auto& made = fonts_->fonts[std::make_tuple(font.family, font.size, font.bold)];
    if (made)
        return made.get();
    auto& family = fonts_->families[font.family];
    if (!family)
        family = UsableFontFamily(font.family);
    if (!family)
        return nullptr;
    const INT style = font.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    made.reset(new Gdiplus::Font(family.get(), font.size, style, Gdiplus::UnitPixel));
    return made.get();
}

void GdiPlusCanvas::ApplyQuality(Gdiplus::Graphics& graphics)
{
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
}

void GdiPlusCanvas::FillRectangle(int x, int y, int width, int height, Colour colour)
{
    if (FillWholeTarget(x, y, width, height, colour))
        return;
    Gdiplus::SolidBrush brush(Opaque(colour));
    graphics_.FillRectangle(&brush, x, y, width, height);
}

bool GdiPlusCanvas::FillWholeTarget(int x, int y, int width, int height, Colour colour)
{
    if (!target_)
        return false;
    const INT targetWidth = static_cast<INT>(target_->GetWidth());
    const INT targetHeight = static_cast<INT>(target_->GetHeight());
    if (targetWidth <= 0 || targetHeight <= 0 || x > 0 || y > 0 || x + width < targetWidth ||
        y + height < targetHeight)
        return false;
    // Only where GDI+ would lay the rectangle on the bitmap's pixels as given.
    const Gdiplus::Unit unit = graphics_.GetPageUnit();
    Gdiplus::Matrix transform;
    Gdiplus::Region clip;
    if ((unit != Gdiplus::UnitPixel && unit != Gdiplus::UnitDisplay) || graphics_.GetPageScale() != 1.0f ||
        graphics_.GetTransform(&transform) != Gdiplus::Ok || !transform.IsIdentity() ||
        graphics_.GetClip(&clip) != Gdiplus::Ok || !clip.IsInfinite(&graphics_))
        return false;
    const Gdiplus::Rect whole(0, 0, targetWidth, targetHeight);
    Gdiplus::BitmapData pixels{};
    if (target_->LockBits(&whole, Gdiplus::ImageLockModeWrite, PixelFormat24bppRGB, &pixels) != Gdiplus::Ok)
        return false;
    // 24-bit pixels are stored blue, green, red.
    auto* row = static_cast<BYTE*>(pixels.Scan0);
    for (INT line = 0; line < targetHeight; ++line, row += pixels.Stride)
        for (INT column = 0; column < targetWidth; ++column) {
            row[3 * column] = colour.blue;
            row[3 * column + 1] = colour.green;
            row[3 * column + 2] = colour.red;
        }
    return target_->UnlockBits(&pixels) == Gdiplus::Ok;
}

void GdiPlusCanvas::DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth)
{
    Gdiplus::Pen pen(Opaque(colour), penWidth);
    MakeFlat(pen);
    graphics_.DrawRectangle(&pen, x, y, width, height);
}

void GdiPlusCanvas::DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width)
{
    Gdiplus::Pen pen(Opaque(colour), width);
    MakeFlat(pen);
    graphics_.DrawLine(&pen, x1, y1, x2, y2);
}

void GdiPlusCanvas::DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width)
{
    Gdiplus::Pen pen(Opaque(colour), static_cast<Gdiplus::REAL>(width));
    MakeFlat(pen);
    graphics_.DrawLine(&pen, x1, y1, x2, y2);
}

void GdiPlusCanvas::PrepareFont(const std::string& family)
{
    if (const auto usable = UsableFontFamily(family)) {
        Gdiplus::Font font(usable.get(), 12, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
        Gdiplus::Bitmap scratch(1, 1, PixelFormat24bppRGB);
        Gdiplus::Graphics graphics(&scratch);
        Gdiplus::RectF bounds;
        graphics.MeasureString(L"0", -1, &font, Gdiplus::PointF(0, 0), &bounds);
    }
}

void GdiPlusCanvas::DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour)
{
    Gdiplus::Font* gdiFont = FontFor(font);
    if (!gdiFont)
        return;
    Gdiplus::SolidBrush brush(Opaque(colour));
    const std::wstring wide = WideText(text);
    // The point overload passes a zero-size layout rectangle and no string
    // format: left/top aligned, never wrapped or clipped.
    graphics_.DrawString(wide.c_str(), -1, gdiFont, Gdiplus::PointF(x, y), &brush);
}

void GdiPlusCanvas::DrawImage(const std::string& path, float x, float y, float width, float height)
{
    Gdiplus::Image image(WideText(path).c_str());
    if (image.GetLastStatus() == Gdiplus::Ok)
        graphics_.DrawImage(&image, Gdiplus::RectF(x, y, width, height));
}

namespace {

void Paint(HWND window, const std::function<void(Canvas&)>& draw, bool offScreen, Growth growth)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT area{};
    GetClientRect(window, &area);
    if (dc && area.right > 0 && area.bottom > 0) {
        HDC target = dc;
        // Freed in this order as the block ends: the bitmap, then its DC.
        MemoryDc memory;
        GdiObject bitmap;
        HGDIOBJ old = nullptr;
        if (offScreen) {
            memory.Reset(CreateCompatibleDC(dc));
            if (memory)
                bitmap.Reset(CreateCompatibleBitmap(dc, area.right, area.bottom));
            if (bitmap) {
                old = SelectObject(memory.Get(), bitmap.Get());
                target = memory.Get();
            }
        }
        {
            Gdiplus::Graphics graphics(target);
            GdiPlusCanvas::ApplyQuality(graphics);
            if (offScreen)
                graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
            GdiPlusCanvas canvas(graphics);
            ScaledCanvas scaled(canvas, growth.across, growth.down);
            // Only what a window shows follows high contrast; images, page
            // files and printouts are drawn elsewhere and keep their colours.
            if (const std::optional<ContrastColours> contrast = Theme::ScreenContrast()) {
                ContrastCanvas seen(scaled, *contrast);
                draw(seen);
            } else {
                draw(scaled);
            }
        }
        if (target == memory.Get()) {
            BitBlt(dc, 0, 0, area.right, area.bottom, memory.Get(), 0, 0, SRCCOPY);
            SelectObject(memory.Get(), old);
        }
    }
    EndPaint(window, &paint);
}

} // namespace

void PaintWindow(HWND window, const std::function<void(Canvas&)>& draw, bool offScreen)
{
    const float scale = WindowScale(window);
    Paint(window, draw, offScreen, {scale, scale});
}

void PaintDrawing(HWND window, const std::function<void(Canvas&)>& draw)
{
    Paint(window, draw, false, GrowthOf(window));
}
