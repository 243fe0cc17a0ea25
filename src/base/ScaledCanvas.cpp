#include "base/ScaledCanvas.h"

#include <algorithm>
#include <cmath>

ScaledCanvas::ScaledCanvas(Canvas& target, float across, float down)
    : target_(target), across_(across), down_(down), smaller_(std::min(across, down))
{
}

int ScaledCanvas::Across(int value) const
{
    return static_cast<int>(std::lround(static_cast<float>(value) * across_));
}

int ScaledCanvas::Down(int value) const
{
    return static_cast<int>(std::lround(static_cast<float>(value) * down_));
}

float ScaledCanvas::WidthScale(float x1, float y1, float x2, float y2) const
{
    return x1 == x2 ? across_ : (y1 == y2 ? down_ : smaller_);
}

void ScaledCanvas::FillRectangle(int x, int y, int width, int height, Colour colour)
{
    const int left = Across(x), top = Down(y);
    target_.FillRectangle(left, top, Across(x + width) - left, Down(y + height) - top, colour);
}

void ScaledCanvas::DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth)
{
    const int left = Across(x), top = Down(y);
    target_.DrawRectangle(left, top, Across(x + width) - left, Down(y + height) - top, colour, penWidth * smaller_);
}

void ScaledCanvas::DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width)
{
    target_.DrawLine(x1 * across_, y1 * down_, x2 * across_, y2 * down_, colour, width * WidthScale(x1, y1, x2, y2));
}

// A line one pixel wide stays at least one pixel wide, whatever the scale.
void ScaledCanvas::DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width)
{
    const float scaled = static_cast<float>(width) *
                         WidthScale(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                                    static_cast<float>(y2));
    target_.DrawLineI(Across(x1), Down(y1), Across(x2), Down(y2), colour,
                      std::max(1, static_cast<int>(std::lround(scaled))));
}

void ScaledCanvas::DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour)
{
    FontSpec scaled = font;
    scaled.size = font.size * smaller_;
    target_.DrawText(text, x * across_, y * down_, scaled, colour);
}

void ScaledCanvas::DrawImage(const std::string& path, float x, float y, float width, float height)
{
    target_.DrawImage(path, x * across_, y * down_, width * across_, height * down_);
}
