#pragma once
// A canvas that draws nothing and remembers every call, in order, with its
// arguments: tests compare the listing with a checked-in list, and check
// invariants of the layout on the calls themselves.
#include "base/Canvas.h"

#include <sstream>
#include <string>
#include <vector>

struct DrawCall {
    enum Kind { Fill, Frame, Line, LineI, Text } kind = Text;
    // Rectangles: x1, y1 the corner, x2, y2 the width and height.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour;
    float width = 0;  // pen width
    std::string text;
    FontSpec font;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<DrawCall> calls;

    // One call a line; integer and float forms print alike.
    std::string Listing() const
    {
        static const char* const kinds[] = {"Fill", "Frame", "Line", "LineI", "Text"};
        std::ostringstream out;
        for (const DrawCall& c : calls) {
            out << kinds[c.kind] << " (" << c.x1 << ", " << c.y1 << ", " << c.x2 << ", " << c.y2 << ") rgb("
                << int(c.colour.red) << "," << int(c.colour.green) << "," << int(c.colour.blue) << ")";
            if (c.kind == DrawCall::Text)
                out << " \"" << c.text << "\" " << c.font.family << " " << c.font.size
                    << (c.font.bold ? " bold\n" : " regular\n");
            else
                out << " width " << c.width << "\n";
        }
        return out.str();
    }

    void FillRectangle(int x, int y, int w, int h, Colour c) override { Add(DrawCall::Fill, x, y, w, h, c, 0); }
    void DrawRectangle(int x, int y, int w, int h, Colour c, float pen) override { Add(DrawCall::Frame, x, y, w, h, c, pen); }
    void DrawLineI(int x1, int y1, int x2, int y2, Colour c, int w) override { Add(DrawCall::LineI, x1, y1, x2, y2, c, w); }
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour, float width) override
    {
        Add(DrawCall::Line, x1, y1, x2, y2, colour, width);
    }
    void DrawText(const std::string& text, float x, float y, const FontSpec& font, Colour colour) override
    {
        calls.push_back({DrawCall::Text, x, y, 0, 0, colour, 0, text, font});
    }

private:
    void Add(DrawCall::Kind kind, float x1, float y1, float x2, float y2, Colour colour, float width)
    {
        calls.push_back({kind, x1, y1, x2, y2, colour, width, "", {}});
    }
};
