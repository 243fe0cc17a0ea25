#pragma once
// A canvas that passes every call on to another one at a scale, so a drawing
// laid out in 96-dpi pixels comes out at the size of a screen of any DPI.
// Text is passed on at the scaled size (drawn anew, not stretched), and a
// rectangle's edges, not its size, are rounded, so rectangles that touch at
// 96 dpi still touch.
//
// The scale across may differ from the one down, so that a drawing fills a
// window that grew more one way than the other: positions and lengths
// follow their own direction, a line's width the direction across it, and
// text, which cannot be stretched, the smaller scale.
#include "base/Canvas.h"

class ScaledCanvas : public Canvas {
public:
    ScaledCanvas(Canvas& target, float across, float down);
    ScaledCanvas(Canvas& target, float scale) : ScaledCanvas(target, scale, scale) {}

    void FillRectangle(int x, int y, int width, int height, Colour colour) override;
    void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override;
    void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) override;
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override;
    void DrawImage(const std::string& path, float x, float y, float width, float height) override;

private:
    int Across(int value) const;
    int Down(int value) const;
    // The scale of a line's width: across for an upright line, down for a
    // level one, the smaller for any other.
    float WidthScale(float x1, float y1, float x2, float y2) const;

    Canvas& target_;
    float across_;
    float down_;
    float smaller_;
};
