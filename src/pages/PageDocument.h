#pragma once
// A page file as the built-in page view understands it: the body's colour
// and scrolling, the page it redirects to, and its content as a flow of text
// runs, breaks, images and one-column tables. Inline styles are already
// resolved into a table of styles the flow items point into, so the layout
// never looks at tags; texts, styles and tables are held once by the
// document and the items only point into them, so a page of many short
// pieces costs a few times its size.
#include "base/Canvas.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

enum class PageAlign { Left, Centre, Right };

struct PageStyle {
    FontSpec font;
    Colour colour;
};

struct FlowItem {
    enum Kind {
        Text,        // a text in `style`; white space not yet collapsed
        LineBreak,   // <br>: ends the line; an empty line is as high as its font
        BlockBreak,  // start or end of a block, with the margin it asks for
        AlignStart,  // a block whose lines are aligned by `align`
        AlignEnd,
        Image,       // the text is the source path; `outOfFlow` for a positioned one
        Table,       // `table` is its index in PageDocument::tables
        LinkStart,   // the print link
        LinkEnd,
    };
    Kind kind = Text;
    PageAlign align = PageAlign::Left;
    bool outOfFlow = false;
    int style = 0;  // index into PageDocument::styles
    float margin = 0;
    std::uint32_t textAt = 0;  // the text: where it starts in PageDocument::text
    std::uint32_t textLength = 0;
    int table = -1;
};

using Flow = std::vector<FlowItem>;

struct PageCell {
    Flow flow;
    PageAlign align = PageAlign::Left;
    bool hasBackground = false;
    Colour background;
    float height = 0;  // the height attribute; 0 when absent
};

// Every table the program writes has one column: each cell is a row.
struct PageTable {
    float padding = 1;
    float spacing = 2;
    std::vector<PageCell> rows;
};

struct PageDocument {
    Colour background = Colours::white;
    bool scrolls = true;
    std::string refreshTarget;  // a META refresh's URL, empty when none
    std::vector<PageStyle> styles;
    std::string text;
    std::deque<PageTable> tables;  // a deque, so a table being filled stays where it is
    Flow body;

    std::string_view TextOf(const FlowItem& item) const
    {
        return std::string_view(text).substr(item.textAt, item.textLength);
    }
};
