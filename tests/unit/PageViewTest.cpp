// The built-in page view's reading and layout of the pages the program
// writes, with a measurer whose every character is half the font size wide.
#include "pages/DreamPage.h"
#include "pages/IntroductionPage.h"
#include "pages/PageLayout.h"
#include "pages/PageParser.h"
#include "pages/PageWriter.h"

#include "Golden.h"
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
// that fits and wrapping it where not (a word wider than the cell stands
// alone); styles from the open font and bold tags, sizes sharing a baseline,
// what the pages do not use left as it was; centring, which a centred page
// does not give the text of a cell.
TEST(PageView, TextWrappedStyledAndAligned)
{
    const std::string cell = std::string(kTable) + "<td><font face=\"Verdana\" size=\"2\">aaaa bbbb cccc dddd";
    const std::string twoRows = std::string(kTable) + "<td>abcdef</td></tr><tr><td";
    const std::pair<std::string, float> cases[] = {
        {cell, 300}, {cell, 86}, {cell, 30},
        {"<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Heading</b></font>", 1000},
        {"<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>", 1000},
        {"<font size=\"5\">Big</font> small", 1000},
        {"<font color=\"black\" size=\"2\" face=\"Verdana\"><b>is: <font color=\"yellow\">7</b></font>", 1000},
        {"<font size=\"+99999999999999999999\" color=\"#ff0000\" face=\"" + std::string(32, 'F') + "\">x</font>", 1000},
        {"<marquee>hi</marquee><!-- gone --><script>document.write('x')</script>", 1000},
        {"a <b", 1000}, {"<a href='x", 1000},
        {"<center>ab</center>", 116}, {"<center>" + std::string(kTable) + "<td>ab</td></tr></table></center>", 116},
        {twoRows + " align=\"center\">ab</td></tr></table>", 116},
        {"<center>" + twoRows + ">ab</td></tr></table></center>", 116},
    };
    std::string listing;
    for (const auto& c : cases)
        listing += "== " + c.first + " in " + std::to_string(int(c.second)) + "\n" + Draw(c.first, c.second);
    ExpectGolden("pages/view-text.txt", listing);
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

    ASSERT_TRUE(LoadPageFile(WriteQuickTipPage(dir.dir(), "Use Personal Data."), page, shown));
    EXPECT_FALSE(page.scrolls);

    ASSERT_TRUE(LoadPageFile(WriteDreamPage(dir.dir(), Profile(), {2005, 9, 9}), page, shown));
    const PageLayout layout = LayOutPage(page, 700, 300, FixedWidthMeasurer());
    const PagePiece& print = layout.pieces.back();
    ASSERT_EQ(print.text, "Print");
    EXPECT_TRUE(LinkAt(layout, print.x + 1, print.y + 1));
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
