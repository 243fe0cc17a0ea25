#pragma once
// A canvas that draws nothing and lists every call, one a line in drawing
// order with its arguments, so drawing tests can compare what was drawn with
// a checked-in list.
#include "base/Canvas.h"

#include <sstream>
#include <string>

class RecordingCanvas : public Canvas {
public:
    std::string Listing() const { return out_.str(); }

    void FillRectangle(int x, int y, int width, int height, Colour colour) override
    {
        Call("Fill", x, y, width, height, colour) << " width 0\n";
    }
    void DrawRectangle(int x, int y, int width, int height, Colour colour, float penWidth) override
    {
        Call("Frame", x, y, width, height, colour) << " width " << penWidth << "\n";
    }
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override
    {
        Call("Line", x1, y1, x2, y2, colour) << " width " << width << "\n";
    }
    void DrawLineI(int x1, int y1, int x2, int y2, Colour colour, int width) override
    {
        Call("LineI", x1, y1, x2, y2, colour) << " width " << width << "\n";
    }
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override
    {
        Call("Text", x, y, 0, 0, colour) << " \"" << text << "\" " << font.family << " " << font.size
                                         << (font.bold ? " bold\n" : " regular\n");
    }

private:
    // Integer and float forms print alike: the lists compare positions.
    std::ostream& Call(const char* kind, float a, float b, float c, float d, Colour colour)
    {
        return out_ << kind << " (" << a << ", " << b << ", " << c << ", " << d << ") rgb(" << int(colour.red) << ","
                    << int(colour.green) << "," << int(colour.blue) << ")";
    }

    std::ostringstream out_;
};
