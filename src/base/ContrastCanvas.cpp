#include "base/ContrastCanvas.h"

#include <cmath>

namespace {

// The drawings' axes are 4 pixels wide at most; anything wider is a bar.
constexpr float kWidestInk = 4;

// Black, white and the greys carry no meaning of their own: they are the
// drawings' ink and grounds, which high contrast gives its own colours.
bool IsNeutral(Colour colour)
{
    return colour.red == colour.green && colour.green == colour.blue;
}

} // namespace

void ContrastCanvas::FillRectangle(int x, int y, int width, int height, Colour colour)
{
    if (IsNeutral(colour)) {
        target_.FillRectangle(x, y, width, height, colours_.background);
        return;
    }
    target_.FillRectangle(x, y, width, height, colour);
    target_.DrawRectangle(x, y, width, height, colours_.text, 1);
}

void ContrastCanvas::DrawRectangle(int x, int y, int width, int height, Colour, float penWidth)
{
    target_.DrawRectangle(x, y, width, height, colours_.text, penWidth);
}

void ContrastCanvas::DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width)
{
    if (width <= kWidestInk) {
        target_.DrawLine(x1, y1, x2, y2, IsNeutral(colour) ? colours_.text : colour, width);
        return;
    }
    target_.DrawLine(x1, y1, x2, y2, colour, width);
    OutlineLine(x1, y1, x2, y2, width);
}

void ContrastCanvas::DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width)
{
    if (static_cast<float>(width) <= kWidestInk) {
        target_.DrawLineI(x1, y1, x2, y2, IsNeutral(colour) ? colours_.text : colour, width);
        return;
    }
    target_.DrawLineI(x1, y1, x2, y2, colour, width);
    OutlineLine(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
                static_cast<float>(width));
}

void ContrastCanvas::DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour)
{
    target_.DrawText(text, x, y, font, colours_.text);
}

void ContrastCanvas::DrawImage(const std::string& path, float x, float y, float width, float height)
{
    target_.DrawImage(path, x, y, width, height);
}

// The edge of the band a line of `width` covers (flat caps: it ends at its
// end points), one pixel wide; a bar of no length has no band to outline.
void ContrastCanvas::OutlineLine(float x1, float y1, float x2, float y2, float width)
{
    const float length = std::hypot(x2 - x1, y2 - y1);
    if (length <= 0)
        return;
    const float nx = -(y2 - y1) / length * width / 2, ny = (x2 - x1) / length * width / 2;
    const float corners[4][2] = {{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}};
    for (int i = 0; i < 4; ++i) {
        const float* from = corners[i];
        const float* to = corners[(i + 1) % 4];
        target_.DrawLine(from[0], from[1], to[0], to[1], colours_.text, 1);
    }
}
