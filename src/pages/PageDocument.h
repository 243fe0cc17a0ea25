#pragma once
// A page file as the built-in page view understands it: the body's colour
// and scrolling, the page it redirects to, and its content as a flow of text
// runs, breaks, images and tables. Inline styles are already resolved, so
// the layout never looks at tags.
#include "base/Canvas.h"

#include <memory>
#include <string>
#include <vector>

enum class PageAlign { Left, Centre, Right };

struct PageTable;

struct FlowItem {
    enum Kind {
        Text,        // `text` in `font` and `colour`; white space not yet collapsed
        LineBreak,   // <br>: ends the line; an empty line is as high as `font`
        BlockBreak,  // start or end of a block, with the margin it asks for
        AlignStart,  // a block whose lines are aligned by `align`
        AlignEnd,
        Image,       // `text` is the source path; `outOfFlow` for a positioned one
        Table,
        LinkStart,   // `text` is the target
        LinkEnd,
    };
    Kind kind = Text;
    std::string text;
    FontSpec font;
    Colour colour;
    float margin = 0;
    PageAlign align = PageAlign::Left;
    bool outOfFlow = false;
    bool keepsAlign = false;  // AlignStart of a block that keeps its parent's alignment
    std::shared_ptr<PageTable> table;
};

using Flow = std::vector<FlowItem>;

struct PageCell {
    Flow flow;
    PageAlign align = PageAlign::Left;
    bool hasBackground = false;
    Colour background;
    float height = 0;  // the height attribute; 0 when absent
};

struct PageTable {
    float padding = 1;
    float spacing = 2;
    std::vector<std::vector<PageCell>> rows;
};

struct PageDocument {
    Colour background = Colours::white;
    bool scrolls = true;
    std::string refreshTarget;  // a META refresh's URL, empty when none
    Flow body;
};
