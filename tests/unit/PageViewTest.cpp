// The built-in page view's reading and layout of the pages the program
// writes, with a measurer whose every character is half the font size wide.
#include "pages/IntroductionPage.h"
#include "pages/PageLayout.h"
#include "pages/PageParser.h"
#include "pages/PageWriter.h"

#include "RecordingCanvas.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class FixedWidthMeasurer : public PageMeasurer {
public:
    float TextWidth(const std::string& text, const FontSpec& font) const override
    {
        return static_cast<float>(text.size()) * font.size / 2;
    }
    FontMetrics Metrics(const FontSpec& font) const override { return {font.size, font.size + 4}; }
    bool ImageSize(const std::string&, float& width, float& height) const override
    {
        width = height = 28;
        return true;
    }
};

const char* const kTable = "<table border=\"0\" cellpadding=\"3\" cellspacing=\"2\"><tr>";

// The texts drawn on screen, after the page's background.
std::vector<DrawCall> Draw(const std::string& html, float width)
{
    const PageLayout layout = LayOutPage(ParsePage(html), width, 300, FixedWidthMeasurer());
    RecordingCanvas canvas;
    DrawPage(layout, canvas, 0, layout.height, false);
    canvas.calls.erase(canvas.calls.begin());
    return canvas.calls;
}

DrawCall Text(const std::string& text, float x, float y, FontSpec font = {"Times New Roman", 16, false},
              Colour colour = Colours::black)
{
    DrawCall call;
    call.text = text;
    call.x1 = x;
    call.y1 = y;
    call.font = font;
    call.colour = colour;
    return call;
}

void ExpectCalls(const std::vector<DrawCall>& actual, const std::vector<DrawCall>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(SameCall(actual[i], expected[i])) << actual[i] << "\n  expected " << expected[i];
}

} // namespace

// A cell 3 pixels in from its 2-pixel spacing, as wide as its text where
// that fits and wrapping it where not; a word wider than the cell stands alone.
TEST(PageView, ParagraphWrapsAtTheCellWidthInsideItsPadding)
{
    const std::string page = std::string(kTable) + "<td><font face=\"Verdana\" size=\"2\">aaaa bbbb cccc dddd";
    const FontSpec verdana{"Verdana", 13, false};
    // 13-pixel Verdana: words 26 wide, spaces 6.5; text starts at 8 + 2 + 3.
    ExpectCalls(Draw(page, 300), {Text("aaaa bbbb cccc dddd", 13, 13, verdana)});
    ExpectCalls(Draw(page, 86), {Text("aaaa bbbb", 13, 13, verdana), Text("cccc dddd", 13, 30, verdana)});
    ExpectCalls(Draw(page, 30), {Text("aaaa", 13, 13, verdana), Text("bbbb", 13, 30, verdana),
                                 Text("cccc", 13, 47, verdana), Text("dddd", 13, 64, verdana)});
}

TEST(PageView, StylesComeFromTheOpenFontAndBoldTags)
{
    const FontSpec verdanaBold{"Verdana", 13, true};
    const struct {
        const char* html;
        std::vector<DrawCall> calls;
    } cases[] = {
        {"<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Heading</b></font>",
         {Text("Heading", 8, 8, verdanaBold, Colours::yellow)}},
        {"<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>",
         {Text("Print", 8, 8, {"Arial", 18, true}, Colour{0, 0, 128})}},
        {"<font size=\"5\">Big</font> small", {Text("Big", 8, 8, {"Times New Roman", 24, false}), Text("small", 52, 16)}},
        // A font left open inside another keeps the outer size and face.
        {"<font color=\"black\" size=\"2\" face=\"Verdana\"><b>is: <font color=\"yellow\">7</b></font>",
         {Text("is:", 8, 8, verdanaBold), Text("7", 34, 8, verdanaBold, Colours::yellow)}},
        // Names are written escaped: they show as the characters, never as tags.
        {"<b>&lt;b&gt;Ann &amp; Bo&#33;</b>", {Text("<b>Ann & Bo!", 8, 8, {"Times New Roman", 16, true})}},
        {"<marquee>hi</marquee><!-- gone --><script>document.write('x')</script>",
         {Text("<marquee>hi</marquee>", 8, 8)}},
        {"a <b", {Text("a <b", 8, 8)}},
        {"<a href='x", {Text("<a href='x", 8, 8)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.html);
        std::vector<DrawCall> calls = Draw(c.html, 1000);
        ExpectCalls(calls, c.calls);
    }
}

TEST(PageView, CentreAndCellAlignment)
{
    const std::string twoRows = std::string(kTable) + "<td>abcdef</td></tr><tr><td";
    const struct {
        std::string html;
        float x;  // of "ab", 16 wide in a body 100 wide
    } cases[] = {
        {"<center>ab</center>", 50},
        {"<center>" + std::string(kTable) + "<td>ab</td></tr></table></center>", 50},
        {twoRows + " align=\"center\">ab</td></tr></table>", 29},
        // A centred page does not centre the text of a cell.
        {"<center>" + twoRows + ">ab</td></tr></table></center>", 29 + 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.html);
        const std::vector<DrawCall> calls = Draw(c.html, 116);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls.back().text, "ab");
        EXPECT_FLOAT_EQ(calls.back().x1, c.x);
    }
}

// The pages as written: the redirect page is followed to its content, the
// body gives the colour and the scrolling, the Print link can be found.
TEST(PageView, WrittenPagesOpenAtTheirContent)
{
    TempDir dir;
    PageDocument page;
    std::string shown;
    EXPECT_FALSE(LoadPageFile(dir.path("missing.htm"), page, shown));

    ASSERT_TRUE(LoadPageFile(WriteIntroductionPage(dir.dir()), page, shown));
    EXPECT_EQ(shown, dir.path("reading.htm"));
    EXPECT_EQ(page.background, Colours::grey);
    EXPECT_TRUE(page.scrolls);
    const PageLayout intro = LayOutPage(page, 700, 300, FixedWidthMeasurer());
    ASSERT_FALSE(intro.pieces.empty());
    EXPECT_EQ(intro.pieces.front().text, "Welcome to Oracline 2005");
    EXPECT_EQ(intro.pieces.front().colour, Colours::yellow);

    ASSERT_TRUE(LoadPageFile(WriteQuickTipPage(dir.dir(), "Use Personal Data."), page, shown));
    EXPECT_FALSE(page.scrolls);

    PageSpec printable;
    printable.redirectName = "dream_e.htm";
    printable.contentName = "dream_r.htm";
    printable.content = "Dream";
    printable.printRow = PrintRow::P1;
    ASSERT_TRUE(LoadPageFile(WritePagePair(dir.dir(), printable), page, shown));
    const PageLayout layout = LayOutPage(page, 700, 300, FixedWidthMeasurer());
    const PagePiece& print = layout.pieces.back();
    ASSERT_EQ(print.text, "Print");
    const PageLink* link = LinkAt(layout, print.x + 1, print.y + 1);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, "javascript:window.print()");
    EXPECT_FALSE(LinkAt(layout, print.x - 1, print.y + 1));

    // Two redirect pages pointing at each other do not hold the view.
    dir.Write("a.htm", "<META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + dir.path("b.htm") + "\">");
    dir.Write("b.htm", "<META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=a.htm\">");
    EXPECT_TRUE(LoadPageFile(dir.path("a.htm"), page, shown));
}

// A long page is laid out whole, and cut for paper between its lines; an
// edited one that nests without end is laid out all the same.
TEST(PageView, HundredKilobytePageLaysOutAndBreaksBetweenLines)
{
    std::string nested;
    for (int i = 0; i < 20000; ++i)
        nested += "<table><tr><td><b><font color=\"red\">x";
    EXPECT_GT(LayOutPage(ParsePage(nested), 700, 400, FixedWidthMeasurer()).pieces.size(), 1000u);

    std::string html = "<body bgcolor=\"gray\"><center>" + std::string(kTable) + "<td>";
    int words = 0;
    while (html.size() < 100 * 1024) {
        html += "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>";
        for (int i = 0; i < 40; ++i, ++words)
            html += "word" + std::to_string(words % 97) + " ";
        html += "</b></font><p>";
    }
    const PageLayout layout = LayOutPage(ParsePage(html), 700, 400, FixedWidthMeasurer());
    int placed = 0;
    for (const PagePiece& piece : layout.pieces) {
        for (char c : piece.text)
            placed += c == 'w';
        EXPECT_LE(piece.x + piece.width, 700 - 8 - 5);
    }
    EXPECT_EQ(placed, words);
    for (float cut : PageBreaks(layout, 1000))
        for (const PagePiece& piece : layout.pieces)
            EXPECT_FALSE(piece.y < cut && piece.y + piece.height > cut) << cut;
}
