#include "pages/PageParser.h"

#include "base/PathText.h"
#include "base/TextLines.h"
#include "pages/HtmlTokens.h"
#include "pages/PageUrl.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>

namespace {

const char* const kDefaultFace = "Times New Roman";
constexpr float kDefaultSize = 16;
// A paragraph's margin: one line of the default font, above and below.
constexpr float kParagraphMargin = 16;
// Tables are laid out recursively, inline styles are folded for every run
// of text and a closing block tag looks through the open ones: a page file
// anyone can edit must not nest any of them without limit. The program's
// own pages nest one table, a few fonts and two blocks.
constexpr int kMostNestedTables = 8;
constexpr size_t kMostOpenStyles = 100;
constexpr size_t kMostOpenBlocks = 100;
// Windows keeps a face name in 32 characters with its terminator; a longer
// one names no font.
constexpr size_t kMostFaceName = 31;
// Sizes and paddings beyond any window of the program are someone's edit.
constexpr double kMostPixels = 10000;

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n\"'");
    if (first == std::string_view::npos)
        return std::string_view();
    const size_t last = text.find_last_not_of(" \t\r\n\"'");
    return text.substr(first, last - first + 1);
}

struct NamedColour {
    const char* name;
    Colour colour;
};

// The colours the page writers use.
const NamedColour kColours[] = {
    {"black", {0, 0, 0}},   {"gray", {128, 128, 128}}, {"white", {255, 255, 255}}, {"yellow", {255, 255, 0}},
    {"navy", {0, 0, 128}},  {"green", {0, 128, 0}},    {"red", {255, 0, 0}},
};

std::optional<Colour> ParseColour(std::string_view value)
{
    const std::string_view name = Trim(value);
    for (const NamedColour& named : kColours)
        if (SameNoCase(name, named.name))
            return named.colour;
    return std::nullopt;
}

// The HTML font sizes the page writers use, in pixels as browsers show them.
std::optional<float> ParseFontSize(std::string_view value)
{
    static const std::pair<const char*, float> kSizes[] = {{"2", 13}, {"4", 18}, {"5", 24}};
    const std::string_view text = Trim(value);
    for (const auto& size : kSizes)
        if (text == size.first)
            return size.second;
    return std::nullopt;
}

float ParsePixels(std::string_view value, float fallback)
{
    const std::string text(Trim(value));
    char* rest = nullptr;
    const double number = std::strtod(text.c_str(), &rest);
    if (rest == text.c_str() || !std::isfinite(number) || number < 0 || number > kMostPixels)
        return fallback;
    return static_cast<float>(number);
}

PageAlign ParseAlign(std::string_view value, PageAlign fallback)
{
    const std::string_view name = Trim(value);
    if (SameNoCase(name, "center") || SameNoCase(name, "middle"))
        return PageAlign::Centre;
    if (SameNoCase(name, "right"))
        return PageAlign::Right;
    if (SameNoCase(name, "left"))
        return PageAlign::Left;
    return fallback;
}

// One open inline element (font, b, a) and what it changes; a table cell
// opens a reset entry, since styles outside a table do not reach into it.
struct StyleEntry {
    std::string_view tag;
    bool reset = false;
    std::optional<Colour> colour;
    std::optional<float> size;
    std::string_view face;
    bool bold = false;
};

// An open block; `aligns` when it began an AlignStart of its own.
struct OpenBlock {
    std::string_view tag;
    bool aligns = false;
};

// Where content goes: the body, a table between its cells, or a cell.
struct Frame {
    enum Kind { Body, Table, Cell } kind = Body;
    Flow* flow = nullptr;
    PageTable* table = nullptr;
    size_t styleBase = 0;
    std::vector<OpenBlock> openBlocks = {};
    int linkDepth = 0;
};

class Builder {
public:
    explicit Builder(PageDocument& page) : page_(page)
    {
        frames_.push_back(Frame{Frame::Body, &page_.body});
    }

    void Take(const HtmlToken& token);
    void Finish();

private:
    Frame& Current() { return frames_.back(); }
    int Style();
    FlowItem Styled(FlowItem::Kind kind);
    FlowItem Textual(FlowItem::Kind kind, std::string_view text);
    void Add(FlowItem item);
    void AddText(std::string_view text);
    void Break(float margin);
    void StartTag(const HtmlToken& token);
    void EndTag(const HtmlToken& token);
    void PushStyle(StyleEntry entry);
    bool PopStyle(std::string_view tag);
    void Open(std::string_view tag, bool aligns, PageAlign align, float margin);
    void Close(std::string_view tag);
    void StartTable(const HtmlToken& token);
    void StartCell(const HtmlToken& token);
    void CloseCell();
    bool CloseTable();
    void Meta(const HtmlToken& token);

    PageDocument& page_;
    std::vector<Frame> frames_;
    std::vector<StyleEntry> styles_;
    int style_ = -1;  // the open styles' index in the page, -1 when they changed
    std::map<std::tuple<std::string, float, bool, std::uint8_t, std::uint8_t, std::uint8_t>, int> known_;
    Colour linkColour_ = Colours::blue;
    int ignoring_ = 0;        // inside head, title or script
    int positioned_ = 0;      // inside positioned divs
    int tables_ = 0;          // open tables
    int tablesAsText_ = 0;    // nested too deep, shown as text
    std::vector<bool> divPositioned_;
};

int Builder::Style()
{
    if (style_ >= 0)
        return style_;
    PageStyle style;
    style.font.family = kDefaultFace;
    style.font.size = kDefaultSize;
    style.font.bold = false;
    style.colour = Colours::black;
    size_t first = 0;
    for (size_t i = styles_.size(); i > 0; --i)
        if (styles_[i - 1].reset) {
            first = i;
            break;
        }
    for (size_t i = first; i < styles_.size(); ++i) {
        const StyleEntry& entry = styles_[i];
        if (entry.colour)
            style.colour = *entry.colour;
        if (entry.size)
            style.font.size = *entry.size;
        if (!entry.face.empty())
            style.font.family = std::string(entry.face);
        if (entry.bold)
            style.font.bold = true;
    }
    const auto key = std::make_tuple(style.font.family, style.font.size, style.font.bold, style.colour.red,
                                     style.colour.green, style.colour.blue);
    const auto found = known_.find(key);
    if (found != known_.end())
        return style_ = found->second;
    style_ = static_cast<int>(page_.styles.size());
    page_.styles.push_back(std::move(style));
    known_.emplace(key, style_);
    return style_;
}

FlowItem Builder::Styled(FlowItem::Kind kind)
{
    FlowItem item;
    item.kind = kind;
    item.style = Style();
    return item;
}

FlowItem Builder::Textual(FlowItem::Kind kind, std::string_view text)
{
    FlowItem item = Styled(kind);
    item.textAt = static_cast<std::uint32_t>(page_.text.size());
    item.textLength = static_cast<std::uint32_t>(text.size());
    page_.text += text;
    return item;
}

void Builder::Add(FlowItem item)
{
    Frame& frame = Current();
    if (frame.kind == Frame::Table) {
        // Text between cells: browsers put it before the table; only white
        // space is written there, so it is dropped.
        if (item.kind == FlowItem::Text &&
            page_.TextOf(item).find_first_not_of(" \t\r\n") == std::string_view::npos)
            return;
        StartCell(HtmlToken{});
    }
    Flow& flow = *Current().flow;
    // Breaks in a row are one break with the largest margin: a page of
    // paragraphs costs one item a paragraph, not two.
    if (item.kind == FlowItem::BlockBreak && !flow.empty() && flow.back().kind == FlowItem::BlockBreak) {
        flow.back().margin = std::max(flow.back().margin, item.margin);
        return;
    }
    flow.push_back(std::move(item));
}

void Builder::AddText(std::string_view text)
{
    if (ignoring_ > 0)
        return;
    Add(Textual(FlowItem::Text, text));
}

void Builder::Break(float margin)
{
    FlowItem item = Styled(FlowItem::BlockBreak);
    item.margin = margin;
    Add(std::move(item));
}

void Builder::PushStyle(StyleEntry entry)
{
    if (styles_.size() < kMostOpenStyles || entry.reset) {
        styles_.push_back(entry);
        style_ = -1;
    }
}

bool Builder::PopStyle(std::string_view tag)
{
    for (size_t i = styles_.size(); i > Current().styleBase; --i)
        if (styles_[i - 1].tag == tag) {
            styles_.erase(styles_.begin() + static_cast<std::ptrdiff_t>(i - 1));
            style_ = -1;
            return true;
        }
    return false;
}

void Builder::Open(std::string_view tag, bool aligns, PageAlign align, float margin)
{
    if (margin > 0 || !aligns)
        Break(margin);
    if (aligns) {
        FlowItem start = Styled(FlowItem::AlignStart);
        start.align = align;
        Add(std::move(start));
    }
    // Recorded where the start went: a block between a table's cells opens
    // a cell of its own, which then holds it. Blocks beyond the limit still
    // break the line but align nothing and are never closed.
    if (Current().openBlocks.size() < kMostOpenBlocks)
        Current().openBlocks.push_back(OpenBlock{tag, aligns});
}

void Builder::Close(std::string_view tag)
{
    std::vector<OpenBlock>& blocks = Current().openBlocks;
    for (size_t i = blocks.size(); i > 0; --i) {
        if (blocks[i - 1].tag != tag)
            continue;
        while (blocks.size() >= i) {
            const OpenBlock closing = blocks.back();
            blocks.pop_back();
            if (closing.aligns)
                Add(Styled(FlowItem::AlignEnd));
            if (closing.tag == "p" || !closing.aligns)
                Break(closing.tag == "p" ? kParagraphMargin : 0);
            if (closing.tag == "div" && !divPositioned_.empty()) {
                if (divPositioned_.back())
                    --positioned_;
                divPositioned_.pop_back();
            }
        }
        return;
    }
}

void Builder::StartTable(const HtmlToken& token)
{
    FlowItem item = Styled(FlowItem::Table);
    item.table = static_cast<int>(page_.tables.size());
    Add(std::move(item));
    PageTable& table = page_.tables.emplace_back();
    table.padding = ParsePixels(token.Attribute("cellpadding"), 1);
    table.spacing = ParsePixels(token.Attribute("cellspacing"), 2);
    frames_.push_back(Frame{Frame::Table, nullptr, &table, styles_.size()});
}

void Builder::StartCell(const HtmlToken& token)
{
    if (Current().kind == Frame::Cell)
        CloseCell();
    if (Current().kind != Frame::Table)
        return;
    PageTable& table = *Current().table;
    table.rows.emplace_back();
    PageCell& cell = table.rows.back();
    cell.align = ParseAlign(token.Attribute("align"), PageAlign::Left);
    if (auto colour = ParseColour(token.Attribute("bgcolor"))) {
        cell.hasBackground = true;
        cell.background = *colour;
    }
    cell.height = ParsePixels(token.Attribute("height"), 0);
    frames_.push_back(Frame{Frame::Cell, &cell.flow, nullptr, styles_.size()});
    StyleEntry reset;
    reset.tag = "td";
    reset.reset = true;
    PushStyle(reset);
    if (cell.align != PageAlign::Left) {
        FlowItem start = Styled(FlowItem::AlignStart);
        start.align = cell.align;
        cell.flow.push_back(start);
    }
}

void Builder::CloseCell()
{
    if (Current().kind != Frame::Cell)
        return;
    // A print link left open ends here too: each cell is laid out on its own.
    while (!Current().openBlocks.empty())
        Close(Current().openBlocks.back().tag);
    styles_.resize(Current().styleBase);
    style_ = -1;
    frames_.pop_back();
}

bool Builder::CloseTable()
{
    if (tables_ == 0)
        return false;
    while (Current().kind != Frame::Table)
        CloseCell();
    styles_.resize(Current().styleBase);
    style_ = -1;
    frames_.pop_back();
    --tables_;
    return true;
}

void Builder::Meta(const HtmlToken& token)
{
    if (!SameNoCase(Trim(token.Attribute("http-equiv")), "refresh"))
        return;
    const std::string_view content = token.Attribute("content");
    for (size_t i = 0; i + 4 <= content.size(); ++i)
        if (SameNoCase(content.substr(i, 4), "url=")) {
            page_.refreshTarget = std::string(Trim(content.substr(i + 4)));
            return;
        }
}

void Builder::StartTag(const HtmlToken& token)
{
    if (token.Is("head") || token.Is("title") || token.Is("script") || token.Is("style")) {
        ++ignoring_;
    } else if (token.Is("meta")) {
        Meta(token);
    } else if (token.Is("html")) {
    } else if (token.Is("body")) {
        if (auto colour = ParseColour(token.Attribute("bgcolor")))
            page_.background = *colour;
        if (auto colour = ParseColour(token.Attribute("link")))
            linkColour_ = *colour;
        page_.scrolls = !SameNoCase(Trim(token.Attribute("scroll")), "no");
    } else if (token.Is("center")) {
        Open("center", true, PageAlign::Centre, 0);
    } else if (token.Is("div")) {
        const std::string_view style = token.Attribute("style");
        bool positioned = false;
        for (size_t i = 0; i + 8 <= style.size() && !positioned; ++i)
            positioned = SameNoCase(style.substr(i, 8), "absolute");
        divPositioned_.push_back(positioned);
        if (positioned)
            ++positioned_;
        const std::string_view align = token.Attribute("align");
        Open("div", !align.empty(), ParseAlign(align, PageAlign::Left), 0);
    } else if (token.Is("p")) {
        Close("p");
        Open("p", false, PageAlign::Left, kParagraphMargin);
    } else if (token.Is("br")) {
        Add(Styled(FlowItem::LineBreak));
    } else if (token.Is("font")) {
        StyleEntry entry;
        entry.tag = "font";
        entry.colour = ParseColour(token.Attribute("color"));
        entry.size = ParseFontSize(token.Attribute("size"));
        const std::string_view face = token.Attribute("face");
        entry.face = Trim(face.substr(0, face.find(',')));
        if (entry.face.size() > kMostFaceName)
            entry.face = std::string_view();
        PushStyle(entry);
    } else if (token.Is("b")) {
        StyleEntry entry;
        entry.tag = "b";
        entry.bold = true;
        PushStyle(entry);
    } else if (token.Is("a")) {
        StyleEntry entry;
        entry.tag = "a";
        entry.colour = linkColour_;
        PushStyle(entry);
        if (token.Attribute("href") == kPrintLink) {
            Add(Styled(FlowItem::LinkStart));
            ++Current().linkDepth;
        }
    } else if (token.Is("img")) {
        FlowItem image = Textual(FlowItem::Image, token.Attribute("src"));
        image.outOfFlow = positioned_ > 0;
        Add(std::move(image));
    } else if (token.Is("table")) {
        if (tables_ < kMostNestedTables) {
            ++tables_;
            StartTable(token);
        } else {
            ++tablesAsText_;
            AddText(token.text);
        }
    } else if (token.Is("tr")) {
        if (Current().kind == Frame::Cell)
            CloseCell();
    } else if (token.Is("td") || token.Is("th")) {
        StartCell(token);
    } else {
        AddText(token.text);
    }
}

void Builder::EndTag(const HtmlToken& token)
{
    if (token.Is("head") || token.Is("title") || token.Is("script") || token.Is("style")) {
        if (ignoring_ > 0)
            --ignoring_;
    } else if (token.Is("html") || token.Is("body") || token.Is("meta") || token.Is("br") || token.Is("img")) {
    } else if (token.Is("tr") || token.Is("td") || token.Is("th")) {
        CloseCell();
    } else if (token.Is("center")) {
        Close("center");
    } else if (token.Is("div")) {
        Close("div");
    } else if (token.Is("p")) {
        Close("p");
    } else if (token.Is("font")) {
        PopStyle("font");
    } else if (token.Is("b")) {
        PopStyle("b");
    } else if (token.Is("a")) {
        if (PopStyle("a") && Current().linkDepth > 0) {
            --Current().linkDepth;
            Add(Styled(FlowItem::LinkEnd));
        }
    } else if (token.Is("table")) {
        if (tablesAsText_ > 0) {
            --tablesAsText_;
            AddText(token.text);
        } else {
            CloseTable();
        }
    } else {
        AddText(token.text);
    }
}

void Builder::Take(const HtmlToken& token)
{
    switch (token.kind) {
    case HtmlToken::Text:
        AddText(token.text);
        break;
    case HtmlToken::StartTag:
        StartTag(token);
        break;
    case HtmlToken::EndTag:
        EndTag(token);
        break;
    }
}

void Builder::Finish()
{
    while (CloseTable()) {
    }
    while (!Current().openBlocks.empty())
        Close(Current().openBlocks.back().tag);
}

} // namespace

PageDocument ParsePage(const std::string& html)
{
    PageDocument page;
    Builder builder(page);
    TokenizeHtml(html, [&](const HtmlToken& token) { builder.Take(token); });
    builder.Finish();
    return page;
}

bool LoadPageFile(const std::string& path, PageDocument& page, std::string& shownPath)
{
    std::string html;
    if (!ReadSmallFile(path, html))
        return false;
    page = ParsePage(TextAsUtf8(html));
    shownPath = path;
    if (page.refreshTarget.empty())
        return true;
    // The browser waits a second before it follows; the built-in view has no
    // transition to show, so it goes at once. A page file edited to redirect
    // elsewhere (another folder, a share) is shown, not followed.
    const std::string next = PageTarget(page.refreshTarget, path);
    if (IsPageFileIn(next, FolderOf(path, PathSeparators::either)) && ReadSmallFile(next, html)) {
        page = ParsePage(TextAsUtf8(html));
        page.refreshTarget.clear();
        shownPath = next;
    }
    return true;
}
