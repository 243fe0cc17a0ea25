#include "pages/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The body's margin on every side, as browsers give it.
constexpr float kBodyMargin = 8;
// The sign panel's script moves its picture up and down the panel and turns
// back 44 pixels above the bottom; the view, which runs no script, keeps the
// picture there.
constexpr float kPictureRestAboveBottom = 44;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool SameFont(const FontSpec& a, const FontSpec& b)
{
    return a.family == b.family && a.size == b.size && a.bold == b.bold;
}

// Calls `word` for each word of a text run and `space` for each stretch of
// white space between them.
template <typename OnWord, typename OnSpace>
void SplitWords(const std::string& text, OnWord word, OnSpace space)
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
        word(text.substr(start, i - start));
    }
}

struct Widths {
    float least = 0;  // the widest thing that cannot be broken
    float most = 0;   // the widest line when nothing wraps
};

Widths TableWidths(const PageTable& table, const PageMeasurer& measurer);

Widths FlowWidths(const Flow& flow, const PageMeasurer& measurer)
{
    Widths widths;
    float line = 0;
    bool space = false;
    auto take = [&](float width) {
        line += width;
        widths.least = std::max(widths.least, width);
        space = false;
    };
    auto endLine = [&] {
        widths.most = std::max(widths.most, line);
        line = 0;
        space = false;
    };
    for (const FlowItem& item : flow) {
        switch (item.kind) {
        case FlowItem::Text:
            SplitWords(
                item.text, [&](const std::string& word) { take(measurer.TextWidth(word, item.font)); },
                [&] {
                    if (line > 0 && !space) {
                        line += measurer.TextWidth(" ", item.font);
                        space = true;
                    }
                });
            break;
        case FlowItem::Image: {
            float width = 0, height = 0;
            if (!item.outOfFlow && measurer.ImageSize(item.text, width, height))
                take(width);
            break;
        }
        case FlowItem::Table: {
            endLine();
            const Widths inner = TableWidths(*item.table, measurer);
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

size_t ColumnCount(const PageTable& table)
{
    size_t columns = 0;
    for (const auto& row : table.rows)
        columns = std::max(columns, row.size());
    return columns;
}

// Column widths (content only) and the extra room of spacing and padding.
std::vector<Widths> ColumnWidths(const PageTable& table, const PageMeasurer& measurer)
{
    std::vector<Widths> columns(ColumnCount(table));
    for (const auto& row : table.rows)
        for (size_t c = 0; c < row.size(); ++c) {
            const Widths cell = FlowWidths(row[c].flow, measurer);
            columns[c].least = std::max(columns[c].least, cell.least);
            columns[c].most = std::max(columns[c].most, cell.most);
        }
    return columns;
}

float TableExtra(const PageTable& table, size_t columns)
{
    return table.spacing * static_cast<float>(columns + 1) + 2 * table.padding * static_cast<float>(columns);
}

Widths TableWidths(const PageTable& table, const PageMeasurer& measurer)
{
    Widths widths;
    const std::vector<Widths> columns = ColumnWidths(table, measurer);
    for (const Widths& column : columns) {
        widths.least += column.least;
        widths.most += column.most;
    }
    const float extra = TableExtra(table, columns.size());
    widths.least += extra;
    widths.most += extra;
    return widths;
}

// Columns as wide as their content when the table fits, else narrowed
// between their least and most widths in proportion.
std::vector<float> FitColumns(const std::vector<Widths>& columns, float room)
{
    float least = 0, most = 0;
    for (const Widths& column : columns) {
        least += column.least;
        most += column.most;
    }
    std::vector<float> widths;
    for (const Widths& column : columns) {
        if (most <= room)
            widths.push_back(column.most);
        else if (least >= room || most <= least)
            widths.push_back(column.least);
        else
            widths.push_back(column.least + (column.most - column.least) * (room - least) / (most - least));
    }
    return widths;
}

struct Line {
    std::vector<PagePiece> pieces;  // x from the line's start; y from its top, set at the end
    std::vector<float> ascents;
    std::vector<int> links;
    float width = 0;
    float ascent = 0;
    float descent = 0;
    bool broken = false;  // ended by <br>, so it stands even when empty
};

class FlowLayout {
public:
    FlowLayout(const PageMeasurer& measurer, float left, float top, float width, float viewHeight,
               bool cellQuirks, PageLayout& out)
        : measurer_(measurer), left_(left), y_(top), width_(width), viewHeight_(viewHeight),
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

    const PageMeasurer& measurer_;
    float left_;
    float y_;
    float width_;
    float viewHeight_;
    bool cellQuirks_;
    PageLayout& out_;
    std::vector<PageAlign> aligns_;
    std::vector<std::string> links_;
    Line line_;
    bool space_ = false;
    FontSpec spaceFont_;
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
    const int link = links_.empty() ? -1 : static_cast<int>(out_.links.size());
    if (!links_.empty()) {
        PageLink area;
        area.target = links_.back();
        out_.links.push_back(area);
    }
    piece.x = line_.width;
    line_.width += piece.width;
    line_.pieces.push_back(std::move(piece));
    line_.ascents.push_back(ascent);
    line_.links.push_back(link);
    Grow(ascent, descent);
}

void FlowLayout::Word(const std::string& word, const FlowItem& item)
{
    const float width = measurer_.TextWidth(word, item.font);
    float space = space_ && !line_.pieces.empty() ? measurer_.TextWidth(" ", spaceFont_) : 0;
    if (!line_.pieces.empty() && line_.width + space + width > width_ + 0.01f) {
        EndLine();
        space = 0;
    }
    space_ = false;
    const FontMetrics metrics = measurer_.Metrics(item.font);
    if (!line_.pieces.empty()) {
        PagePiece& last = line_.pieces.back();
        const int link = line_.links.back();
        const bool sameLink = links_.empty() ? link < 0
                                             : link >= 0 && out_.links[static_cast<size_t>(link)].target == links_.back();
        if (last.kind == PagePiece::Text && SameFont(last.font, item.font) && last.colour == item.colour && sameLink) {
            if (space > 0)
                last.text += ' ';
            last.text += word;
            last.width += space + width;
            line_.width += space + width;
            return;
        }
        line_.width += space;
    }
    PagePiece piece;
    piece.kind = PagePiece::Text;
    piece.text = word;
    piece.width = width;
    piece.height = metrics.lineHeight;
    piece.font = item.font;
    piece.colour = item.colour;
    Inline(std::move(piece), metrics.ascent, metrics.lineHeight - metrics.ascent);
}

void FlowLayout::EndLine()
{
    space_ = false;
    if (line_.pieces.empty() && !line_.broken) {
        line_ = Line();
        return;
    }
    ApplyMargin();
    const float indent = left_ + Indent(line_.width);
    for (size_t i = 0; i < line_.pieces.size(); ++i) {
        PagePiece piece = line_.pieces[i];
        piece.x += indent;
        piece.y = y_ + line_.ascent - line_.ascents[i];
        if (line_.links[i] >= 0) {
            PageLink& area = out_.links[static_cast<size_t>(line_.links[i])];
            area.x = piece.x;
            area.y = y_;
            area.width = piece.width;
            area.height = line_.ascent + line_.descent;
        }
        out_.pieces.push_back(std::move(piece));
    }
    y_ += line_.ascent + line_.descent;
    line_ = Line();
}

void FlowLayout::PlaceTable(const PageTable& table)
{
    const std::vector<Widths> columns = ColumnWidths(table, measurer_);
    const float extra = TableExtra(table, columns.size());
    const std::vector<float> widths = FitColumns(columns, width_ - extra);
    float tableWidth = extra;
    for (float width : widths)
        tableWidth += width;
    ApplyMargin();
    const float x0 = left_ + Indent(tableWidth);
    float y = y_ + table.spacing;
    for (const auto& row : table.rows) {
        // Each cell is laid out on its own first: the row is as high as its
        // highest cell, and the others are centred in it.
        std::vector<PageLayout> cells(row.size());
        std::vector<float> heights(row.size());
        float rowHeight = 0;
        for (size_t c = 0; c < row.size(); ++c) {
            FlowLayout inner(measurer_, 0, 0, widths[c], viewHeight_, true, cells[c]);
            inner.Run(row[c].flow);
            heights[c] = inner.Bottom();
            rowHeight = std::max({rowHeight, heights[c] + 2 * table.padding, row[c].height});
        }
        float x = x0 + table.spacing;
        for (size_t c = 0; c < row.size(); ++c) {
            const float cellWidth = widths[c] + 2 * table.padding;
            if (row[c].hasBackground) {
                PagePiece fill;
                fill.kind = PagePiece::Fill;
                fill.x = x;
                fill.y = y;
                fill.width = cellWidth;
                fill.height = rowHeight;
                fill.colour = row[c].background;
                out_.pieces.push_back(fill);
            }
            const float dx = x + table.padding;
            const float dy = y + table.padding + std::floor((rowHeight - 2 * table.padding - heights[c]) / 2);
            for (PagePiece piece : cells[c].pieces) {
                piece.x += dx;
                piece.y += dy;
                out_.pieces.push_back(std::move(piece));
            }
            for (PageLink link : cells[c].links) {
                link.x += dx;
                link.y += dy;
                out_.links.push_back(std::move(link));
            }
            x += cellWidth + table.spacing;
        }
        y += rowHeight + table.spacing;
    }
    y_ = y;
}

void FlowLayout::Run(const Flow& flow)
{
    for (const FlowItem& item : flow) {
        switch (item.kind) {
        case FlowItem::Text:
            SplitWords(
                item.text, [&](const std::string& word) { Word(word, item); },
                [&] {
                    if (!space_) {
                        space_ = true;
                        spaceFont_ = item.font;
                    }
                });
            break;
        case FlowItem::LineBreak: {
            const FontMetrics metrics = measurer_.Metrics(item.font);
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
            aligns_.push_back(item.keepsAlign ? aligns_.back() : item.align);
            break;
        case FlowItem::AlignEnd:
            EndLine();
            if (aligns_.size() > 1)
                aligns_.pop_back();
            break;
        case FlowItem::Image: {
            PagePiece piece;
            piece.kind = PagePiece::Image;
            piece.text = item.text;
            if (!measurer_.ImageSize(item.text, piece.width, piece.height))
                break;
            if (item.outOfFlow) {
                piece.x = left_ + std::floor((width_ - piece.width) / 2);
                piece.y = std::max(0.0f, viewHeight_ - kPictureRestAboveBottom);
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
            PlaceTable(*item.table);
            break;
        case FlowItem::LinkStart:
            links_.push_back(item.text);
            break;
        case FlowItem::LinkEnd:
            if (!links_.empty())
                links_.pop_back();
            break;
        }
    }
    EndLine();
    // A cell ends at its last line; the page keeps its last block's margin.
    if (!cellQuirks_ && placed_)
        y_ += margin_;
    margin_ = 0;
}

} // namespace

PageLayout LayOutPage(const PageDocument& page, float width, float viewHeight, const PageMeasurer& measurer)
{
    PageLayout layout;
    layout.background = page.background;
    layout.width = width;
    FlowLayout body(measurer, kBodyMargin, kBodyMargin, std::max(0.0f, width - 2 * kBodyMargin), viewHeight, false,
                    layout);
    body.Run(page.body);
    layout.height = body.Bottom() + kBodyMargin;
    // Links that never reached a line (an empty link) have no area.
    layout.links.erase(std::remove_if(layout.links.begin(), layout.links.end(),
                                      [](const PageLink& link) { return link.width <= 0 || link.height <= 0; }),
                       layout.links.end());
    return layout;
}

void DrawPage(const PageLayout& layout, Canvas& canvas, float top, float height, bool onPaper)
{
    if (!onPaper)
        canvas.FillRectangle(0, 0, static_cast<int>(std::ceil(layout.width)), static_cast<int>(std::ceil(height)),
                             layout.background);
    for (const PagePiece& piece : layout.pieces) {
        const bool inBand = onPaper ? piece.y >= top && piece.y < top + height
                                    : piece.y < top + height && piece.y + piece.height > top;
        if (!inBand)
            continue;
        const float y = piece.y - top;
        switch (piece.kind) {
        case PagePiece::Fill:
            if (!onPaper)
                canvas.FillRectangle(static_cast<int>(piece.x), static_cast<int>(std::floor(y)),
                                     static_cast<int>(piece.width), static_cast<int>(piece.height), piece.colour);
            break;
        case PagePiece::Text:
            canvas.DrawText(piece.text, piece.x, y, piece.font, onPaper ? Colours::black : piece.colour);
            break;
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
    if (pageHeight <= 0)
        return breaks;
    float top = 0;
    while (top + pageHeight < layout.height) {
        float cut = top + pageHeight;
        for (const PagePiece& piece : layout.pieces)
            if (piece.kind != PagePiece::Fill && piece.y > top && piece.y < cut && piece.y + piece.height > cut)
                cut = piece.y;
        breaks.push_back(cut);
        top = cut;
    }
    return breaks;
}
