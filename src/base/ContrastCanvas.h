#pragma once
// A canvas that passes a drawing on in the colours high contrast asks for:
// text and ink (axes, frames, grey lines) in the text colour, grey grounds in
// the background colour, and the coloured bars, marks and lines in their own
// hues, each bar and mark outlined in the text colour so it stands out from
// any background. Only windows draw through it; saved images, pages written
// to files and printouts keep their colours.
#include "base/Canvas.h"

struct ContrastColours {
    Colour background;
    Colour text;
};

class ContrastCanvas : public Canvas {
public:
    ContrastCanvas(Canvas& target, ContrastColours colours) : target_(target), colours_(colours) {}

    void FillRectangle(int x, int y, int width, int height, Colour colour) override;
    void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override;
    void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) override;
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override;
    void DrawImage(const std::string& path, float x, float y, float width, float height) override;

private:
    void OutlineLine(float x1, float y1, float x2, float y2, float width);

    Canvas& target_;
    ContrastColours colours_;
};
