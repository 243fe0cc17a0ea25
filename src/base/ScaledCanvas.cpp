#include "base/ScaledCanvas.h"

#include <algorithm>
#include <cmath>

int ScaledCanvas::Round(int value) const
{
    return static_cast<int>(std::lround(static_cast<float>(value) * scale_));
}

void ScaledCanvas::FillRectangle(int x, int y, int width, int height, Colour colour)
{
    const int left = Round(x), top = Round(y);
    target_.FillRectangle(left, top, Round(x + width) - left, Round(y + height) - top, colour);
}

void ScaledCanvas::DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth)
{
    const int left = Round(x), top = Round(y);
    target_.DrawRectangle(left, top, Round(x + width) - left, Round(y + height) - top, colour, penWidth * scale_);
}

void ScaledCanvas::DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width)
{
    target_.DrawLine(x1 * scale_, y1 * scale_, x2 * scale_, y2 * scale_, colour, width * scale_);
}

// A line one pixel wide stays at least one pixel wide, whatever the scale.
void ScaledCanvas::DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width)
{
    target_.DrawLineI(Round(x1), Round(y1), Round(x2), Round(y2), colour, std::max(1, Round(width)));
}

void ScaledCanvas::DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour)
{
    FontSpec scaled = font;
    scaled.size = font.size * scale_;
    target_.DrawText(text, x * scale_, y * scale_, scaled, colour);
}

void ScaledCanvas::DrawImage(const std::string& path, float x, float y, float width, float height)
{
    target_.DrawImage(path, x * scale_, y * scale_, width * scale_, height * scale_);
}
