#include "pages/PageLayout.h"

#include "pages/MovingPicture.h"

#include <algorithm>
#include <cmath>

namespace {

// The body's margin on every side, as browsers give it.
constexpr float kBodyMargin = 8;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Calls `word` for each word of a text run and `space` for each stretch of
// white space between them.
template <typename OnWord, typename OnSpace>
void SplitWords(std::string_view text, OnWord word, OnSpace space)
{
    size_t i = 0;
    while (i < text.size()) {
        if (IsSpace(text[i])) {
            while (i < text.size() && IsSpace(text[i]))
                ++i;
            space();
            continue;
        }
        const size_t start = i;
        while (i < text.size() && !IsSpace(text[i]))
            ++i;
        word(std::string(text.substr(start, i - start)));
    }
}

struct Widths {
    float least = 0;  // the widest thing that cannot be broken
    float most = 0;   // the widest line when nothing wraps
};

class Measures {
public:
    Measures(const PageMeasurer& measurer, const PageDocument& page, const std::vector<PageStyle>& styles)
        : measurer_(measurer), page_(page), styles_(styles) {}
    const PageDocument& Page() const { return page_; }
    std::string_view Text(const FlowItem& item) const { return page_.TextOf(item); }
    const PageTable& Table(const FlowItem& item) const { return page_.tables[static_cast<size_t>(item.table)]; }
    const FontSpec& Font(int style) const { return styles_[static_cast<size_t>(style)].font; }
    float TextWidth(const std::string& text, int style) const { return measurer_.TextWidth(text, Font(style)); }
    FontMetrics Metrics(int style) const { return measurer_.Metrics(Font(style)); }
    // False for an image that cannot be read or whose size is no size.
    bool ImageSize(const std::string& path, float& width, float& height) const
    {
        return measurer_.ImageSize(path, width, height) && std::isfinite(width) && std::isfinite(height) &&
               width >= 0 && height >= 0;
    }

private:
    const PageMeasurer& measurer_;
    const PageDocument& page_;
    const std::vector<PageStyle>& styles_;
};

Widths TableWidths(const PageTable& table, const Measures& measures);

Widths FlowWidths(const Flow& flow, const Measures& measures)
{
    Widths widths;
    float line = 0;
    bool space = false;
    auto take = [&](float width) {
        line += width;
        widths.least = std::max(widths.least, width);
        space = false;
    };
    // A space counts only after something on the line, so a new line needs
    // no reset of `space`: its first word clears it.
    auto endLine = [&] {
        widths.most = std::max(widths.most, line);
        line = 0;
    };
    for (const FlowItem& item : flow) {
        switch (item.kind) {
        case FlowItem::Text:
            SplitWords(
                measures.Text(item), [&](const std::string& word) { take(measures.TextWidth(word, item.style)); },
                [&] {
                    if (line > 0 && !space) {
                        line += measures.TextWidth(" ", item.style);
                        space = true;
                    }
                });
            break;
        case FlowItem::Image: {
            float width = 0, height = 0;
            if (!item.outOfFlow && measures.ImageSize(std::string(measures.Text(item)), width, height))
                take(width);
            break;
        }
        case FlowItem::Table: {
            endLine();
            const Widths inner = TableWidths(measures.Table(item), measures);
            widths.least = std::max(widths.least, inner.least);
            widths.most = std::max(widths.most, inner.most);
            break;
        }
        case FlowItem::LineBreak:
        case FlowItem::BlockBreak:
        case FlowItem::AlignStart:
        case FlowItem::AlignEnd:
            endLine();
            break;
        case FlowItem::LinkStart:
        case FlowItem::LinkEnd:
            break;
        }
    }
    endLine();
    return widths;
}

// The room spacing and padding take beside the content.
float TableExtra(const PageTable& table)
{
    return 2 * table.spacing + 2 * table.padding;
}

// The content's widths: those of the widest cell.
Widths CellWidths(const PageTable& table, const Measures& measures)
{
    Widths widths;
    for (const PageCell& cell : table.rows) {
        const Widths inner = FlowWidths(cell.flow, measures);
        widths.least = std::max(widths.least, inner.least);
        widths.most = std::max(widths.most, inner.most);
    }
    return widths;
}

Widths TableWidths(const PageTable& table, const Measures& measures)
{
    Widths widths = CellWidths(table, measures);
    widths.least += TableExtra(table);
    widths.most += TableExtra(table);
    return widths;
}

struct Line {
    std::vector<PagePiece> pieces;  // x from the line's start; y from its top, set at the end
    std::vector<float> ascents;
    std::vector<bool> linked;
    float width = 0;
    float ascent = 0;
    float descent = 0;
    bool broken = false;  // ended by <br>, so it stands even when empty
};

class FlowLayout {
public:
    FlowLayout(const Measures& measures, float left, float top, float width, float viewHeight, bool cellQuirks,
               PageLayout& out)
        : measures_(measures), left_(left), y_(top), width_(width), viewHeight_(viewHeight),
          cellQuirks_(cellQuirks), out_(out)
    {
        aligns_.push_back(PageAlign::Left);
    }

    void Run(const Flow& flow);
    float Bottom() const { return y_; }

private:
    void Word(const std::string& word, const FlowItem& item);
    void Inline(PagePiece piece, float ascent, float descent);
    void Grow(float ascent, float descent);
    void EndLine();
    void ApplyMargin();
    void PlaceTable(const PageTable& table);
    float Indent(float width) const;

    const Measures& measures_;
    float left_;
    float y_;
    float width_;
    float viewHeight_;
    bool cellQuirks_;
    PageLayout& out_;
    std::vector<PageAlign> aligns_;
    int links_ = 0;  // open print links
    Line line_;
    bool space_ = false;
    int spaceStyle_ = 0;
    float margin_ = 0;
    bool placed_ = false;
};

float FlowLayout::Indent(float width) const
{
    const float room = std::max(0.0f, width_ - width);
    switch (aligns_.back()) {
    case PageAlign::Centre:
        return std::floor(room / 2);
    case PageAlign::Right:
        return room;
    case PageAlign::Left:
        break;
    }
    return 0;
}

void FlowLayout::ApplyMargin()
{
    // A block's default margin counts only between blocks, not at the top
    // of the page or a cell: browsers drop it there for old pages like ours.
    if (placed_)
        y_ += margin_;
    margin_ = 0;
    placed_ = true;
}

void FlowLayout::Grow(float ascent, float descent)
{
    line_.ascent = std::max(line_.ascent, ascent);
    line_.descent = std::max(line_.descent, descent);
}

void FlowLayout::Inline(PagePiece piece, float ascent, float descent)
{
    piece.x = line_.width;
    line_.width += piece.width;
    line_.pieces.push_back(std::move(piece));
    line_.ascents.push_back(ascent);
    line_.linked.push_back(links_ > 0);
    Grow(ascent, descent);
}

void FlowLayout::Word(const std::string& word, const FlowItem& item)
{
    const float width = measures_.TextWidth(word, item.style);
    float space = space_ && !line_.pieces.empty() ? measures_.TextWidth(" ", spaceStyle_) : 0;
    if (!line_.pieces.empty() && line_.width + space + width > width_ + 0.01f)
        EndLine();  // the space, if any, goes with it
    space_ = false;
    if (!line_.pieces.empty()) {
        PagePiece& last = line_.pieces.back();
        if (last.kind == PagePiece::Text && last.style == item.style && line_.linked.back() == (links_ > 0)) {
            if (space > 0)
                last.text += ' ';
            last.text += word;
            last.width += space + width;
            line_.width += space + width;
            return;
        }
        line_.width += space;
    }
    const FontMetrics metrics = measures_.Metrics(item.style);
    PagePiece piece;
    piece.kind = PagePiece::Text;
    piece.text = word;
    piece.width = width;
    piece.height = metrics.lineHeight;
    piece.style = item.style;
    Inline(std::move(piece), metrics.ascent, metrics.lineHeight - metrics.ascent);
}

// A space met at a line's end is dropped with it: the next line's first
// piece is put without one, and clears the space it finds.
void FlowLayout::EndLine()
{
    if (line_.pieces.empty() && !line_.broken) {
        line_ = Line();
        return;
    }
    ApplyMargin();
    const float indent = left_ + Indent(line_.width);
    for (size_t i = 0; i < line_.pieces.size(); ++i) {
        PagePiece& piece = line_.pieces[i];
        piece.x += indent;
        piece.y = y_ + line_.ascent - line_.ascents[i];
        if (line_.linked[i])
            out_.links.push_back(PageLink{piece.x, y_, piece.width, line_.ascent + line_.descent});
        out_.pieces.push_back(std::move(piece));
    }
    out_.lines.push_back(LineBox{y_, y_ + line_.ascent + line_.descent});
    y_ += line_.ascent + line_.descent;
    line_ = Line();
}

void FlowLayout::PlaceTable(const PageTable& table)
{
    const Widths content = CellWidths(table, measures_);
    const float extra = TableExtra(table);
    // As wide as the content when it fits, else as narrow as the room
    // allows down to the widest thing that cannot be broken.
    const float width = std::max(content.least, std::min(content.most, width_ - extra));
    ApplyMargin();
    const float x = left_ + Indent(width + extra) + table.spacing;
    float y = y_ + table.spacing;
    for (const PageCell& cell : table.rows) {
        if (y > kMostLayoutHeight)
            break;
        // The cell is laid out on its own first: its content is centred in
        // the row when the row is higher.
        PageLayout inner;
        FlowLayout flow(measures_, 0, 0, width, viewHeight_, true, inner);
        flow.Run(cell.flow);
        const float height = flow.Bottom();
        const float rowHeight = std::max(height + 2 * table.padding, cell.height);
        if (cell.hasBackground) {
            PagePiece fill;
            fill.kind = PagePiece::Fill;
            fill.x = x;
            fill.y = y;
            fill.width = width + 2 * table.padding;
            fill.height = rowHeight;
            fill.fill = cell.background;
            out_.pieces.push_back(fill);
        }
        const float dx = x + table.padding;
        const float dy = y + table.padding + std::floor((rowHeight - 2 * table.padding - height) / 2);
        for (PagePiece& piece : inner.pieces) {
            piece.x += dx;
            piece.y += dy;
            out_.pieces.push_back(std::move(piece));
        }
        for (PageLink link : inner.links) {
            link.x += dx;
            link.y += dy;
            out_.links.push_back(link);
        }
        for (LineBox line : inner.lines)
            out_.lines.push_back(LineBox{line.top + dy, line.bottom + dy});
        y += rowHeight + table.spacing;
    }
    y_ = y;
}

void FlowLayout::Run(const Flow& flow)
{
    for (const FlowItem& item : flow) {
        if (y_ > kMostLayoutHeight)
            break;
        switch (item.kind) {
        case FlowItem::Text:
            SplitWords(
                measures_.Text(item), [&](const std::string& word) { Word(word, item); },
                [&] {
                    if (!space_) {
                        space_ = true;
                        spaceStyle_ = item.style;
                    }
                });
            break;
        case FlowItem::LineBreak: {
            const FontMetrics metrics = measures_.Metrics(item.style);
            Grow(metrics.ascent, metrics.lineHeight - metrics.ascent);
            line_.broken = true;
            EndLine();
            break;
        }
        case FlowItem::BlockBreak:
            EndLine();
            margin_ = std::max(margin_, item.margin);
            break;
        case FlowItem::AlignStart:
            EndLine();
            aligns_.push_back(item.align);
            break;
        case FlowItem::AlignEnd:
            EndLine();
            if (aligns_.size() > 1)
                aligns_.pop_back();
            break;
        case FlowItem::Image: {
            PagePiece piece;
            piece.kind = PagePiece::Image;
            piece.text = std::string(measures_.Text(item));
            if (!measures_.ImageSize(piece.text, piece.width, piece.height))
                break;
            if (item.outOfFlow) {
                piece.x = left_ + std::floor((width_ - piece.width) / 2);
                piece.y = std::max(0.0f, viewHeight_ - kMovingPictureTurnAboveBottom);
                out_.pieces.push_back(std::move(piece));
                break;
            }
            if (!line_.pieces.empty() && line_.width + piece.width > width_ + 0.01f)
                EndLine();
            space_ = false;
            const float height = piece.height;
            Inline(std::move(piece), height, 0);
            break;
        }
        case FlowItem::Table:
            EndLine();
            PlaceTable(measures_.Table(item));
            break;
        case FlowItem::LinkStart:
            ++links_;
            break;
        case FlowItem::LinkEnd:
            if (links_ > 0)
                --links_;
            break;
        }
    }
    EndLine();
    // A cell ends at its last line; the page keeps its last block's margin.
    if (!cellQuirks_ && placed_)
        y_ += margin_;
    margin_ = 0;
}

// A coordinate as the canvas's int forms take it.
int Pixels(float value)
{
    return std::isfinite(value) ? static_cast<int>(std::clamp(value, -kMostLayoutHeight, 2 * kMostLayoutHeight)) : 0;
}

} // namespace

PageLayout LayOutPage(const PageDocument& page, float width, float viewHeight, const PageMeasurer& measurer)
{
    PageLayout layout;
    layout.background = page.background;
    layout.width = width;
    layout.styles = page.styles;
    const Measures measures(measurer, page, layout.styles);
    FlowLayout body(measures, kBodyMargin, kBodyMargin, std::max(0.0f, width - 2 * kBodyMargin), viewHeight, false,
                    layout);
    body.Run(page.body);
    layout.height = std::min(body.Bottom() + kBodyMargin, kMostLayoutHeight);
    // Links that never reached a line (an empty link) have no area.
    layout.links.erase(std::remove_if(layout.links.begin(), layout.links.end(),
                                      [](const PageLink& link) { return link.width <= 0 || link.height <= 0; }),
                       layout.links.end());
    return layout;
}

void DrawPage(const PageLayout& layout, Canvas& canvas, float top, float height, bool onPaper)
{
    if (!onPaper)
        canvas.FillRectangle(0, 0, Pixels(std::ceil(layout.width)), Pixels(std::ceil(height)), layout.background);
    for (const PagePiece& piece : layout.pieces) {
        const bool inBand = onPaper ? piece.y >= top && piece.y < top + height
                                    : piece.y < top + height && piece.y + piece.height > top;
        if (!inBand)
            continue;
        const float y = piece.y - top;
        switch (piece.kind) {
        case PagePiece::Fill:
            if (!onPaper)
                canvas.FillRectangle(Pixels(piece.x), Pixels(std::floor(y)), Pixels(piece.width), Pixels(piece.height),
                                     piece.fill);
            break;
        case PagePiece::Text: {
            const PageStyle& style = layout.styles[static_cast<size_t>(piece.style)];
            canvas.DrawText(piece.text, piece.x, y, style.font, onPaper ? Colours::black : style.colour);
            break;
        }
        case PagePiece::Image:
            canvas.DrawImage(piece.text, piece.x, y, piece.width, piece.height);
            break;
        }
    }
}

const PageLink* LinkAt(const PageLayout& layout, float x, float y)
{
    for (const PageLink& link : layout.links)
        if (x >= link.x && x < link.x + link.width && y >= link.y && y < link.y + link.height)
            return &link;
    return nullptr;
}

std::vector<float> PageBreaks(const PageLayout& layout, float pageHeight)
{
    std::vector<float> breaks;
    if (!(pageHeight > 0) || !std::isfinite(pageHeight))
        return breaks;
    std::vector<LineBox> lines = layout.lines;
    std::sort(lines.begin(), lines.end(), [](const LineBox& a, const LineBox& b) { return a.top < b.top; });
    // Lines do not overlap, so one walk down them finds every cut.
    size_t next = 0;
    double top = 0;
    while (top + pageHeight < layout.height) {
        double cut = top + pageHeight;
        while (next < lines.size() && lines[next].bottom <= cut)
            ++next;
        if (next < lines.size() && lines[next].top > top && lines[next].top < cut)
            cut = lines[next].top;
        breaks.push_back(static_cast<float>(cut));
        top = cut;
    }
    return breaks;
}
