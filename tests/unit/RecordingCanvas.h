#pragma once
// A canvas that draws nothing and lists every call, in order, with its
// arguments, for tests to compare with a checked-in list.
#include "base/Canvas.h"

#include <sstream>
#include <string>

class RecordingCanvas : public Canvas {
public:
    // One call a line; integer and float forms print alike. Rectangles give
    // their corner, then their width and height.
    std::string Listing() const { return out_.str(); }

    void FillRectangle(int x, int y, int w, int h, Colour c) override { Shape("Fill", x, y, w, h, c, 0); }
    void DrawRectangle(int x, int y, int w, int h, Colour c, float pen) override { Shape("Frame", x, y, w, h, c, pen); }
    void DrawLineI(int x1, int y1, int x2, int y2, Colour c, int w) override { Shape("LineI", x1, y1, x2, y2, c, w); }
    void DrawLine(float x1, float y1, float x2, float y2, Colour c, float w) override { Shape("Line", x1, y1, x2, y2, c, w); }
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override
    {
        Start("Text", x, y, 0, 0, colour) << " \"" << text << "\" " << font.family << " " << font.size
                                          << (font.bold ? " bold\n" : " regular\n");
    }

private:
    std::ostream& Start(const char* kind, float x1, float y1, float x2, float y2, Colour c)
    {
        return out_ << kind << " (" << x1 << ", " << y1 << ", " << x2 << ", " << y2 << ") rgb(" << int(c.red) << ","
                    << int(c.green) << "," << int(c.blue) << ")";
    }
    void Shape(const char* kind, float x1, float y1, float x2, float y2, Colour c, float width)
    {
        Start(kind, x1, y1, x2, y2, c) << " width " << width << "\n";
    }

    std::ostringstream out_;
};
