#pragma once
// A canvas that passes every call on to another one at a scale, so a drawing
// laid out in 96-dpi pixels comes out at the size of a screen of any DPI.
// Text is passed on at the scaled size (drawn anew, not stretched), and a
// rectangle's edges, not its size, are rounded, so rectangles that touch at
// 96 dpi still touch.
#include "base/Canvas.h"

class ScaledCanvas : public Canvas {
public:
    ScaledCanvas(Canvas& target, float scale) : target_(target), scale_(scale) {}

    void FillRectangle(int x, int y, int width, int height, Colour colour) override;
    void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override;
    void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) override;
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override;
    void DrawImage(const std::string& path, float x, float y, float width, float height) override;

private:
    int Round(int value) const;

    Canvas& target_;
    float scale_;
};
