// The built-in page view's reading and layout of the pages the program
// writes, with a measurer whose every character is half the font size wide.
#include "pages/IntroductionPage.h"
#include "pages/PageLayout.h"
#include "pages/PageParser.h"
#include "pages/PageWriter.h"

#include "RecordingCanvas.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

namespace {

class FixedWidthMeasurer : public PageMeasurer {
public:
    float TextWidth(const std::string& text, const FontSpec& font) const override
    {
        return static_cast<float>(text.size()) * font.size / 2;
    }
    FontMetrics Metrics(const FontSpec& font) const override { return {font.size, font.size + 4}; }
    bool ImageSize(const std::string& path, float& width, float& height) const override
    {
        width = 28;
        height = path == "tall" ? 1 << 30 : 28;
        return true;
    }
};

const char* const kTable = "<table border=\"0\" cellpadding=\"3\" cellspacing=\"2\"><tr>";

// The texts drawn on screen, after the page's background, one a line.
std::string Draw(const std::string& html, float width)
{
    const PageLayout layout = LayOutPage(ParsePage(html), width, 300, FixedWidthMeasurer());
    RecordingCanvas canvas;
    DrawPage(layout, canvas, 0, layout.height, false);
    const std::string listing = canvas.Listing();
    return listing.substr(listing.find('\n') + 1);
}

} // namespace

// A cell 3 pixels in from its 2-pixel spacing, as wide as its text where
// that fits and wrapping it where not; a word wider than the cell stands alone.
TEST(PageView, ParagraphWrapsAtTheCellWidthInsideItsPadding)
{
    const std::string page = std::string(kTable) + "<td><font face=\"Verdana\" size=\"2\">aaaa bbbb cccc dddd";
    // 13-pixel Verdana: words 26 wide, spaces 6.5; text starts at 8 + 2 + 3.
    EXPECT_EQ(Draw(page, 300), "Text (13, 13, 0, 0) rgb(0,0,0) \"aaaa bbbb cccc dddd\" Verdana 13 regular\n");
    EXPECT_EQ(Draw(page, 86), "Text (13, 13, 0, 0) rgb(0,0,0) \"aaaa bbbb\" Verdana 13 regular\n"
                              "Text (13, 30, 0, 0) rgb(0,0,0) \"cccc dddd\" Verdana 13 regular\n");
    EXPECT_EQ(Draw(page, 30), "Text (13, 13, 0, 0) rgb(0,0,0) \"aaaa\" Verdana 13 regular\n"
                              "Text (13, 30, 0, 0) rgb(0,0,0) \"bbbb\" Verdana 13 regular\n"
                              "Text (13, 47, 0, 0) rgb(0,0,0) \"cccc\" Verdana 13 regular\n"
                              "Text (13, 64, 0, 0) rgb(0,0,0) \"dddd\" Verdana 13 regular\n");
}

TEST(PageView, StylesComeFromTheOpenFontAndBoldTags)
{
    const struct {
        std::string html;
        const char* listing;
    } cases[] = {
        {"<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Heading</b></font>",
         "Text (8, 8, 0, 0) rgb(255,255,0) \"Heading\" Verdana 13 bold\n"},
        {"<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>",
         "Text (8, 8, 0, 0) rgb(0,0,128) \"Print\" Arial 18 bold\n"},
        // Different sizes on one line share the baseline.
        {"<font size=\"5\">Big</font> small",
         "Text (8, 8, 0, 0) rgb(0,0,0) \"Big\" Times New Roman 24 regular\n"
         "Text (52, 16, 0, 0) rgb(0,0,0) \"small\" Times New Roman 16 regular\n"},
        // A font left open inside another keeps the outer size and face.
        {"<font color=\"black\" size=\"2\" face=\"Verdana\"><b>is: <font color=\"yellow\">7</b></font>",
         "Text (8, 8, 0, 0) rgb(0,0,0) \"is:\" Verdana 13 bold\n"
         "Text (34, 8, 0, 0) rgb(255,255,0) \"7\" Verdana 13 bold\n"},
        // Sizes, colours and faces the pages do not use leave the style as it was.
        {"<font size=\"+99999999999999999999\" color=\"#ff0000\" face=\"" + std::string(32, 'F') + "\">x</font>",
         "Text (8, 8, 0, 0) rgb(0,0,0) \"x\" Times New Roman 16 regular\n"},
        {"<marquee>hi</marquee><!-- gone --><script>document.write('x')</script>",
         "Text (8, 8, 0, 0) rgb(0,0,0) \"<marquee>hi</marquee>\" Times New Roman 16 regular\n"},
        {"a <b", "Text (8, 8, 0, 0) rgb(0,0,0) \"a <b\" Times New Roman 16 regular\n"},
        {"<a href='x", "Text (8, 8, 0, 0) rgb(0,0,0) \"<a href='x\" Times New Roman 16 regular\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Draw(c.html, 1000), c.listing) << c.html;
}

TEST(PageView, CentreAndCellAlignment)
{
    const std::string twoRows = std::string(kTable) + "<td>abcdef</td></tr><tr><td";
    const struct {
        std::string html;
        int x;  // of "ab", 16 wide in a body 100 wide
    } cases[] = {
        {"<center>ab</center>", 50},
        {"<center>" + std::string(kTable) + "<td>ab</td></tr></table></center>", 50},
        {twoRows + " align=\"center\">ab</td></tr></table>", 29},
        // A centred page does not centre the text of a cell.
        {"<center>" + twoRows + ">ab</td></tr></table></center>", 29 + 5},
    };
    for (const auto& c : cases) {
        const std::string listing = Draw(c.html, 116);
        const std::string last = listing.substr(listing.rfind('\n', listing.size() - 2) + 1);
        EXPECT_EQ(last.substr(0, last.find(',')), "Text (" + std::to_string(c.x)) << c.html;
        EXPECT_NE(last.find("\"ab\""), std::string::npos) << listing;
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
    EXPECT_EQ(intro.styles[intro.pieces.front().style].colour, Colours::yellow);

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
    EXPECT_FALSE(LinkAt(layout, print.x - 1, print.y + 1));

    // A redirect is followed once: two pages pointing at each other show the second.
    dir.Write("a.htm", "<META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + dir.path("b.htm") + "\">");
    dir.Write("b.htm", "<META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=a.htm\">");
    EXPECT_TRUE(LoadPageFile(dir.path("a.htm"), page, shown));
    EXPECT_EQ(shown, dir.path("b.htm"));
}

std::string Repeat(const std::string& piece, size_t bytes)
{
    std::string out;
    while (out.size() + piece.size() <= bytes)
        out += piece;
    return out;
}

// Page files edited by hand, up to the size the reader accepts: each is read,
// laid out and cut for paper in time that grows with its size, not with its
// square. Measured in processor time, which other work on the machine does
// not stretch; sanitizer builds run several times slower.
TEST(PageView, HostilePagesOfAMebibyteAreShownAndPrintedWithinASecond)
{
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
    const double limit = 10;
#else
    const double limit = 1;
#endif
    const size_t kMiB = 1 << 20;
    const std::string lines = Repeat(std::string(63, 'f') + "\n", 128 * 1024);
    const std::pair<const char*, std::string> cases[] = {
        {"open tags", Repeat("<a", kMiB)},
        {"ampersands", Repeat("&", kMiB)},
        {"unbalanced blocks", Repeat("<center>", kMiB / 2) + Repeat("</div>", kMiB / 2)},
        {"deep tables", Repeat("<table><tr><td>", kMiB)},
        {"long face", "<font face=\"" + lines + "\">" + Repeat("x<br>", kMiB - lines.size())},
        {"long href", "<a href=\"" + lines + "\">" + Repeat("x<br>", kMiB - lines.size())},
        {"paragraphs", Repeat("<p>x", kMiB)},
        {"huge size", Repeat("<font size=\"+99999999999999999999\">x</font>", kMiB)},
        {"not a number", Repeat("<table cellpadding=nan cellspacing=inf><tr><td height=nan>x</td></tr></table>", kMiB)},
        {"tall table", "<table><tr><td>" + Repeat("<img src=tall>", kMiB)},
    };
    for (const auto& c : cases) {
        const std::clock_t start = std::clock();
        const PageLayout layout = LayOutPage(ParsePage(c.second), 700, 400, FixedWidthMeasurer());
        const std::vector<float> cuts = PageBreaks(layout, 1056);
        EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, limit) << c.first;
        EXPECT_LE(layout.height, kMostLayoutHeight) << c.first;
        EXPECT_TRUE(std::is_sorted(cuts.begin(), cuts.end())) << c.first;
    }
}

// A long page is laid out whole, and cut for paper between its lines.
TEST(PageView, HundredKilobytePageLaysOutAndBreaksBetweenLines)
{
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
