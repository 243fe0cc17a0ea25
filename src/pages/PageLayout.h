#pragma once
// Places a PageDocument in a view of a given width: words wrapped to the width
// of their block or cell, lines aligned, tables as wide as their content, and
// the print link as rectangles. Drawn through the canvas, on screen in the
// page's colours or on paper in black on white.
#include "base/Canvas.h"
#include "pages/PageDocument.h"
#include "pages/PageMeasurer.h"

#include <string>
#include <vector>

// Content beyond this depth is not placed: about a thousand printed pages,
// far beyond any page the program writes, and low enough that every
// coordinate stays exact in a float and fits an int.
constexpr float kMostLayoutHeight = 1 << 20;

struct PagePiece {
    enum Kind { Fill, Text, Image } kind = Text;
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    std::string text;  // the text, or the image's path
    int style = 0;     // of a text, index into PageLayout::styles
    Colour fill;       // of a fill
};

struct PageLink {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// A line of text or pictures, where paper may not be cut.
struct LineBox {
    float top = 0;
    float bottom = 0;
};

struct PageLayout {
    Colour background = Colours::white;
    float width = 0;
    float height = 0;  // of the content, margins included
    std::vector<PageStyle> styles;
    std::vector<PagePiece> pieces;
    std::vector<PageLink> links;  // where the print link is
    std::vector<LineBox> lines;
};

// Lays the page out `width` pixels wide in a view `viewHeight` high (where a
// positioned picture rests).
PageLayout LayOutPage(const PageDocument& page, float width, float viewHeight, const PageMeasurer& measurer);

// Draws what lies in the band from `top` to `top + height` of the layout at
// the canvas's origin. On paper every text is black and no area is filled.
void DrawPage(const PageLayout& layout, Canvas& canvas, float top, float height, bool onPaper);

// The print link's area under a point of the layout, or null.
const PageLink* LinkAt(const PageLayout& layout, float x, float y);

// Where to cut a layout into pages `pageHeight` high, so that no line is cut
// in two unless it is taller than a page: the top of every page after the
// first.
std::vector<float> PageBreaks(const PageLayout& layout, float pageHeight);
