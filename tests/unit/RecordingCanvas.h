#pragma once
// A canvas that draws nothing and lists every call, in order, with its
// arguments: tests compare the listing with a checked-in list.
#include "base/Canvas.h"

#include <sstream>
#include <string>

class RecordingCanvas : public Canvas {
public:
    // One call a line; integer and float forms print alike.
    std::string Listing() const { return out_.str(); }

    void FillRectangle(int x, int y, int width, int height, Colour colour) override
    {
        Shape("Fill", x, y, width, height, colour, 0);
    }
    void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) override
    {
        Shape("Frame", x, y, width, height, colour, penWidth);
    }
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override
    {
        Shape("Line", x1, y1, x2, y2, colour, width);
    }
    void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) override
    {
        Shape("LineI", x1, y1, x2, y2, colour, width);
    }
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override
    {
        Start("Text", x, y, 0, 0, colour);
        out_ << " \"" << text << "\" " << font.family << " " << font.size << (font.bold ? " bold\n" : " regular\n");
    }

private:
    // Rectangles give the corner, then the width and height.
    void Start(const char* kind, float x1, float y1, float x2, float y2, Colour colour)
    {
        out_ << kind << " (" << x1 << ", " << y1 << ", " << x2 << ", " << y2 << ") rgb(" << int(colour.red) << ","
             << int(colour.green) << "," << int(colour.blue) << ")";
    }
    void Shape(const char* kind, float x1, float y1, float x2, float y2, Colour colour, float width)
    {
        Start(kind, x1, y1, x2, y2, colour);
        out_ << " width " << width << "\n";
    }

    std::ostringstream out_;
};
