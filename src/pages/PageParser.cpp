#include "pages/PageParser.h"

#include "pages/HtmlTokens.h"
#include "pages/NavigationFilter.h"

#include "base/AsciiText.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

const char* const kDefaultFace = "Times New Roman";
constexpr float kDefaultSize = 16;
// A paragraph's margin: one line of the default font, above and below.
constexpr float kParagraphMargin = 16;
// Tables are laid out recursively and inline styles are folded for every
// run of text: a page file anyone can edit must not nest either without
// limit. The program's own pages nest one table and a few fonts.
constexpr int kMostNestedTables = 8;
constexpr size_t kMostOpenStyles = 100;

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n\"'");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r\n\"'");
    return text.substr(first, last - first + 1);
}

struct NamedColour {
    const char* name;
    Colour colour;
};

const NamedColour kColours[] = {
    {"black", {0, 0, 0}},        {"silver", {192, 192, 192}}, {"gray", {128, 128, 128}},
    {"grey", {128, 128, 128}},   {"white", {255, 255, 255}},  {"maroon", {128, 0, 0}},
    {"red", {255, 0, 0}},        {"purple", {128, 0, 128}},   {"fuchsia", {255, 0, 255}},
    {"green", {0, 128, 0}},      {"lime", {0, 255, 0}},       {"olive", {128, 128, 0}},
    {"yellow", {255, 255, 0}},   {"navy", {0, 0, 128}},       {"blue", {0, 0, 255}},
    {"teal", {0, 128, 128}},     {"aqua", {0, 255, 255}},     {"orange", {255, 165, 0}},
};

std::optional<Colour> ParseColour(const std::string& value)
{
    const std::string name = LowerAscii(Trim(value));
    for (const NamedColour& named : kColours)
        if (name == named.name)
            return named.colour;
    const std::string hex = !name.empty() && name[0] == '#' ? name.substr(1) : name;
    if (hex.size() == 6 && hex.find_first_not_of("0123456789abcdef") == std::string::npos) {
        const long rgb = std::strtol(hex.c_str(), nullptr, 16);
        return Colour{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                      static_cast<std::uint8_t>(rgb)};
    }
    return std::nullopt;
}

// HTML font sizes 1 to 7 in pixels, as browsers show them; "+1" and "-2"
// count from the default size 3.
std::optional<float> ParseFontSize(const std::string& value)
{
    static const float kPixels[] = {10, 13, 16, 18, 24, 32, 48};
    const std::string text = Trim(value);
    if (text.empty())
        return std::nullopt;
    char* rest = nullptr;
    long size = std::strtol(text.c_str(), &rest, 10);
    if (rest == text.c_str())
        return std::nullopt;
    if (text[0] == '+' || text[0] == '-')
        size += 3;
    if (size < 1)
        size = 1;
    if (size > 7)
        size = 7;
    return kPixels[size - 1];
}

float ParsePixels(const std::string& value, float fallback)
{
    char* rest = nullptr;
    const std::string text = Trim(value);
    const double number = std::strtod(text.c_str(), &rest);
    if (rest == text.c_str() || number < 0 || number > 10000)
        return fallback;
    return static_cast<float>(number);
}

PageAlign ParseAlign(const std::string& value, PageAlign fallback)
{
    const std::string name = LowerAscii(Trim(value));
    if (name == "center" || name == "middle")
        return PageAlign::Centre;
    if (name == "right")
        return PageAlign::Right;
    if (name == "left")
        return PageAlign::Left;
    return fallback;
}

// One open inline element (font, b, a) and what it changes; a table cell
// opens a reset entry, since styles outside a table do not reach into it.
struct StyleEntry {
    std::string tag;
    bool reset = false;
    std::optional<Colour> colour;
    std::optional<float> size;
    std::optional<std::string> face;
    bool bold = false;
};

// Where content goes: the body, a table between its cells, or a cell.
struct Frame {
    enum Kind { Body, Table, Cell } kind = Body;
    Flow* flow = nullptr;
    PageTable* table = nullptr;
    size_t styleBase = 0;
    std::vector<std::string> openBlocks;  // center, div, p
    int linkDepth = 0;
};

class Builder {
public:
    explicit Builder(PageDocument& page) : page_(page)
    {
        frames_.push_back(Frame{Frame::Body, &page_.body, nullptr, 0, {}, 0});
    }

    void Take(const HtmlToken& token);
    void Finish();

private:
    Frame& Current() { return frames_.back(); }
    FlowItem Styled(FlowItem::Kind kind) const;
    void Add(FlowItem item);
    void AddText(const std::string& text);
    void StartTag(const HtmlToken& token);
    void EndTag(const HtmlToken& token);
    void PushStyle(StyleEntry entry)
    {
        if (styles_.size() < kMostOpenStyles || entry.reset)
            styles_.push_back(std::move(entry));
    }
    bool PopStyle(const std::string& tag);
    void OpenBlock(const std::string& tag, PageAlign align, bool aligned, float margin);
    bool CloseBlock(const std::string& tag);
    void StartTable(const HtmlToken& token);
    void StartRow();
    void StartCell(const HtmlToken& token);
    void CloseCell();
    bool CloseTable();
    void Meta(const HtmlToken& token);

    PageDocument& page_;
    std::vector<Frame> frames_;
    std::vector<StyleEntry> styles_;
    Colour linkColour_ = Colours::blue;
    int ignoring_ = 0;        // inside head, title or script
    int positioned_ = 0;      // inside positioned divs
    int tables_ = 0;          // open tables
    int tablesAsText_ = 0;    // nested too deep, shown as text
    std::vector<bool> divPositioned_;
};

FlowItem Builder::Styled(FlowItem::Kind kind) const
{
    FlowItem item;
    item.kind = kind;
    item.font.family = kDefaultFace;
    item.font.size = kDefaultSize;
    item.font.bold = false;
    item.colour = Colours::black;
    size_t first = 0;
    for (size_t i = styles_.size(); i > 0; --i)
        if (styles_[i - 1].reset) {
            first = i;
            break;
        }
    for (size_t i = first; i < styles_.size(); ++i) {
        const StyleEntry& entry = styles_[i];
        if (entry.colour)
            item.colour = *entry.colour;
        if (entry.size)
            item.font.size = *entry.size;
        if (entry.face)
            item.font.family = *entry.face;
        if (entry.bold)
            item.font.bold = true;
    }
    return item;
}

void Builder::Add(FlowItem item)
{
    Frame& frame = Current();
    if (frame.kind == Frame::Table) {
        // Text between cells: browsers put it before the table; only white
        // space is written there, so it is dropped.
        if (item.kind == FlowItem::Text && item.text.find_first_not_of(" \t\r\n") == std::string::npos)
            return;
        StartCell(HtmlToken{});
    }
    Current().flow->push_back(std::move(item));
}

void Builder::AddText(const std::string& text)
{
    if (ignoring_ > 0)
        return;
    FlowItem item = Styled(FlowItem::Text);
    item.text = text;
    Add(std::move(item));
}

bool Builder::PopStyle(const std::string& tag)
{
    for (size_t i = styles_.size(); i > Current().styleBase; --i)
        if (styles_[i - 1].tag == tag) {
            styles_.erase(styles_.begin() + static_cast<std::ptrdiff_t>(i - 1));
            return true;
        }
    return false;
}

void Builder::OpenBlock(const std::string& tag, PageAlign align, bool aligned, float margin)
{
    if (margin > 0) {
        FlowItem item = Styled(FlowItem::BlockBreak);
        item.margin = margin;
        Add(std::move(item));
    }
    FlowItem start = Styled(FlowItem::AlignStart);
    start.align = align;
    start.keepsAlign = !aligned;
    Add(std::move(start));
    // Recorded where the start went: a block between a table's cells opens
    // a cell of its own, which then holds it.
    Current().openBlocks.push_back(tag);
}

bool Builder::CloseBlock(const std::string& tag)
{
    std::vector<std::string>& blocks = Current().openBlocks;
    for (size_t i = blocks.size(); i > 0; --i) {
        if (blocks[i - 1] != tag)
            continue;
        while (blocks.size() >= i) {
            const std::string closing = blocks.back();
            blocks.pop_back();
            Add(Styled(FlowItem::AlignEnd));
            if (closing == "p") {
                FlowItem item = Styled(FlowItem::BlockBreak);
                item.margin = kParagraphMargin;
                Add(std::move(item));
            }
            if (closing == "div" && !divPositioned_.empty()) {
                if (divPositioned_.back())
                    --positioned_;
                divPositioned_.pop_back();
            }
        }
        return true;
    }
    return false;
}

void Builder::StartTable(const HtmlToken& token)
{
    auto table = std::make_shared<PageTable>();
    table->padding = ParsePixels(token.Attribute("cellpadding"), 1);
    table->spacing = ParsePixels(token.Attribute("cellspacing"), 2);
    FlowItem item = Styled(FlowItem::Table);
    item.table = table;
    Add(std::move(item));
    frames_.push_back(Frame{Frame::Table, nullptr, table.get(), styles_.size(), {}, 0});
}

void Builder::StartRow()
{
    if (Current().kind == Frame::Cell)
        CloseCell();
    if (Current().kind == Frame::Table)
        Current().table->rows.emplace_back();
}

void Builder::StartCell(const HtmlToken& token)
{
    if (Current().kind == Frame::Cell)
        CloseCell();
    if (Current().kind != Frame::Table)
        return;
    PageTable& table = *Current().table;
    if (table.rows.empty())
        table.rows.emplace_back();
    table.rows.back().emplace_back();
    PageCell& cell = table.rows.back().back();
    cell.align = ParseAlign(token.Attribute("align"), PageAlign::Left);
    if (auto colour = ParseColour(token.Attribute("bgcolor"))) {
        cell.hasBackground = true;
        cell.background = *colour;
    }
    cell.height = ParsePixels(token.Attribute("height"), 0);
    frames_.push_back(Frame{Frame::Cell, &cell.flow, nullptr, styles_.size(), {}, 0});
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
    while (!Current().openBlocks.empty())
        CloseBlock(Current().openBlocks.back());
    for (int i = 0; i < Current().linkDepth; ++i)
        Current().flow->push_back(Styled(FlowItem::LinkEnd));
    styles_.resize(Current().styleBase);
    frames_.pop_back();
}

bool Builder::CloseTable()
{
    bool inside = false;
    for (const Frame& frame : frames_)
        inside = inside || frame.kind == Frame::Table;
    if (!inside)
        return false;
    while (Current().kind != Frame::Table)
        CloseCell();
    styles_.resize(Current().styleBase);
    frames_.pop_back();
    return true;
}

void Builder::Meta(const HtmlToken& token)
{
    if (LowerAscii(token.Attribute("http-equiv")) != "refresh")
        return;
    const std::string content = token.Attribute("content");
    const size_t url = LowerAscii(content).find("url=");
    if (url != std::string::npos)
        page_.refreshTarget = Trim(content.substr(url + 4));
}

void Builder::StartTag(const HtmlToken& token)
{
    const std::string& name = token.name;
    if (name == "head" || name == "title" || name == "script" || name == "style") {
        ++ignoring_;
    } else if (name == "meta") {
        Meta(token);
    } else if (name == "html") {
    } else if (name == "body") {
        if (auto colour = ParseColour(token.Attribute("bgcolor")))
            page_.background = *colour;
        if (auto colour = ParseColour(token.Attribute("link")))
            linkColour_ = *colour;
        page_.scrolls = LowerAscii(Trim(token.Attribute("scroll"))) != "no";
    } else if (name == "center") {
        OpenBlock(name, PageAlign::Centre, true, 0);
    } else if (name == "div") {
        const bool positioned = LowerAscii(token.Attribute("style")).find("absolute") != std::string::npos;
        divPositioned_.push_back(positioned);
        if (positioned)
            ++positioned_;
        const PageAlign align = ParseAlign(token.Attribute("align"), PageAlign::Left);
        OpenBlock(name, align, !token.Attribute("align").empty(), 0);
    } else if (name == "p") {
        CloseBlock("p");
        OpenBlock(name, PageAlign::Left, false, kParagraphMargin);
    } else if (name == "br") {
        Add(Styled(FlowItem::LineBreak));
    } else if (name == "font") {
        StyleEntry entry;
        entry.tag = name;
        entry.colour = ParseColour(token.Attribute("color"));
        entry.size = ParseFontSize(token.Attribute("size"));
        const std::string face = token.Attribute("face");
        if (!face.empty())
            entry.face = Trim(face.substr(0, face.find(',')));
        PushStyle(entry);
    } else if (name == "b") {
        StyleEntry entry;
        entry.tag = name;
        entry.bold = true;
        PushStyle(entry);
    } else if (name == "a") {
        StyleEntry entry;
        entry.tag = name;
        entry.colour = linkColour_;
        PushStyle(entry);
        FlowItem link = Styled(FlowItem::LinkStart);
        link.text = token.Attribute("href");
        Add(std::move(link));
        ++Current().linkDepth;
    } else if (name == "img") {
        FlowItem image = Styled(FlowItem::Image);
        image.text = token.Attribute("src");
        image.outOfFlow = positioned_ > 0;
        Add(std::move(image));
    } else if (name == "table") {
        if (tables_ < kMostNestedTables) {
            ++tables_;
            StartTable(token);
        } else {
            ++tablesAsText_;
            AddText(token.text);
        }
    } else if (name == "tr") {
        StartRow();
    } else if (name == "td" || name == "th") {
        StartCell(token);
    } else {
        AddText(token.text);
    }
}

void Builder::EndTag(const HtmlToken& token)
{
    const std::string& name = token.name;
    if (name == "head" || name == "title" || name == "script" || name == "style") {
        if (ignoring_ > 0)
            --ignoring_;
    } else if (name == "html" || name == "body" || name == "tr" || name == "meta" || name == "br" ||
               name == "img") {
        if (name == "tr")
            CloseCell();
    } else if (name == "center" || name == "div" || name == "p") {
        CloseBlock(name);
    } else if (name == "font" || name == "b") {
        PopStyle(name);
    } else if (name == "a") {
        if (PopStyle(name) && Current().linkDepth > 0) {
            --Current().linkDepth;
            Add(Styled(FlowItem::LinkEnd));
        }
    } else if (name == "td" || name == "th") {
        CloseCell();
    } else if (name == "table") {
        if (tablesAsText_ > 0) {
            --tablesAsText_;
            AddText(token.text);
        } else if (CloseTable()) {
            --tables_;
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
    while (CloseTable())
        --tables_;
    while (!Current().openBlocks.empty())
        CloseBlock(Current().openBlocks.back());
}

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

// A refresh target as written ("C:\...\reading.htm", "file:///C:/...",
// or a name beside the redirect page) as a path the file functions take.
std::string TargetPath(const std::string& target, const std::string& from)
{
    std::string path = target;
    if (LowerAscii(path.substr(0, 8)) == "file:///")
        path = path.substr(8);
    else if (LowerAscii(path.substr(0, 5)) == "file:")
        path = path.substr(5);
    const bool absolute = (path.size() > 1 && path[1] == ':') || (!path.empty() && (path[0] == '/' || path[0] == '\\'));
    if (!absolute) {
        const size_t slash = from.find_last_of("/\\");
        if (slash != std::string::npos)
            path = from.substr(0, slash + 1) + path;
    }
    return path;
}

} // namespace

PageDocument ParsePage(const std::string& html)
{
    PageDocument page;
    Builder builder(page);
    for (const HtmlToken& token : TokenizeHtml(html))
        builder.Take(token);
    builder.Finish();
    return page;
}

bool LoadPageFile(const std::string& path, PageDocument& page, std::string& shownPath)
{
    std::string html;
    if (!ReadWholeFile(path, html))
        return false;
    page = ParsePage(html);
    shownPath = path;
    // The browser waits a second before it follows; the built-in view has no
    // transition to show, so it goes at once.
    for (int step = 0; step < 4 && !page.refreshTarget.empty(); ++step) {
        const std::string next = TargetPath(page.refreshTarget, shownPath);
        // A page file edited to redirect elsewhere (another folder, a share)
        // is not followed out of its own folder.
        if (!IsPageFileIn(next, shownPath.substr(0, shownPath.find_last_of("/\\") + 1)) ||
            !ReadWholeFile(next, html))
            break;
        page = ParsePage(html);
        shownPath = next;
    }
    return true;
}
