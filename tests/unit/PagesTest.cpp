#include "pages/DreamPage.h"
#include "pages/PageUrl.h"
#include "pages/HelpPage.h"
#include "pages/IntroductionPage.h"
#include "pages/NavigationFilter.h"
#include "pages/PageLayout.h"
#include "pages/PageParser.h"
#include "pages/PageWriter.h"
#include "pages/SignPanelPage.h"
#include "pages/SizePage.h"

#include "companion/CompanionPage.h"
#include "daily/ExplainPage.h"
#include "hourly/Superstitions.h"
#include "schedule/EmailHelpPage.h"
#include "mail/MailSetupPage.h"
#include "profiles/InformationPages.h"

#include "TestSupport.h"

#include <algorithm>
#include <ctime>
#include <functional>

namespace {

using namespace std::string_literals;

// Pages written into a test's folder, to be read back.
struct ScratchPages final : PageSink {
    explicit ScratchPages(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Folder() const override { return folder_; }
    bool Write(const std::string& name, const std::string& bytes) override { return !!(std::ofstream(folder_ + name) << bytes); }
    const std::string folder_;
};

Profile BornOnSecond()
{
    Profile p;
    return p.fullName = "Jane Doe", p.yourMonth = 9, p.yourDate = 2, p.yourYear = 2005, p;
}

using Writer = std::function<std::string(PageSink&)>;

// Every page the program writes, byte for byte, each over files left longer
// by an earlier showing; none is offered unless it is written whole. Between
// them they take every body, Print row and closing the writer offers, and
// contents holding "%" (written through "%s", never as a format).
TEST(PageWriter, EveryFrameAndEachOwnPageByteForByte)
{
    const struct { const char* golden; Writer write; const char *redirect, *content; } cases[] = {
        {"email-help", WriteEmailHelpPage, "email_e.htm", "email_r.htm"}, {"mail-setup", WriteMailSetupPage, "mail_e.htm", "mail_r.htm"},
        {"sign-panel", [](PageSink& d) { return WriteSignPanelPage(d, "C:\\Oracline\\leo.gif"); }, "sign_e.htm", "sign_r.htm"},
        {"help", [](PageSink& d) { return WriteHelpPage(d, "Tips <p>100% %s"); }, "help.htm", nullptr},
        {"help-title", [](PageSink& d) { return WriteHelpPage(d, ""); }, "help.htm", nullptr},
        {"tip", [](PageSink& d) { return WriteQuickTipPage(d, "In most cases you should <font color=\"white\">NOT"); }, "tip_e.htm", nullptr},
        {"introduction", WriteIntroductionPage, "effects.htm", "reading.htm"},
        {"daily-explanation", WriteDailyExplanationPage, "effects.htm", "reading.htm"},
        {"superstition", [](PageSink& d) { return WriteSuperstitionPage(d, 1); }, "super_e.htm", "super_r.htm"},
        {"sign", [](PageSink& d) { return WriteSignPage(d, 1, 20); }, "effects.htm", "reading.htm"},
        {"number", [](PageSink& d) { return WriteNumberPage(d, {1970, 7, 15}); }, "effects.htm", "reading.htm"},
        {"year", [](PageSink& d) { return WriteYearPage(d, 2005); }, "effects.htm", "reading.htm"},
        {"dream", [](PageSink& d) { return WriteDreamPage(d, BornOnSecond(), {2005, 9, 9}); }, "dream_e.htm", "dream_r.htm"},
        {"size", [](PageSink& d) { return WriteSizePage(d, 390, 275); }, "message.htm", nullptr},
        {"companion", [](PageSink& d) {
             return WriteCompanionExplanationPage(d, MatchCompanions({"", Sign::Aries, 3}, {"", Sign::Gemini, 5}));
         }, "effects.htm", "reading.htm"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        SCOPED_TRACE(c.golden);
        const std::vector<std::string> names = c.content ? std::vector<std::string>{c.redirect, c.content} : std::vector<std::string>{c.redirect};
        for (const std::string& name : names)
            dir.Write(name, std::string(50000, '~'));
        ScratchPages pages(dir.dir());
        EXPECT_EQ(c.write(pages), dir.path(c.redirect));
        // The files named, with the directory's path written as "DATA\".
        std::string written;
        for (const std::string& name : names) {
            std::string text = dir.Read(name);
            for (size_t at = text.find(dir.dir()); at != std::string::npos; at = text.find(dir.dir(), at))
                text.replace(at, dir.dir().size(), "DATA\\");
            written += "== " + name + "\n" + text + "\n";
        }
        ExpectGolden(std::string("pages/") + c.golden + ".txt", written);
        EXPECT_EQ(dir.EntryCount(), static_cast<std::ptrdiff_t>(names.size()));
        ScratchPages nowhere("/nonexistent-oracline-dir/");
        EXPECT_EQ(c.write(nowhere), "");
        for (const std::string& name : names) {
            std::filesystem::remove(dir.path(name));
            std::filesystem::create_directory(dir.path(name));
            EXPECT_EQ(c.write(pages), "") << name << " cannot be written";
            std::filesystem::remove(dir.path(name));
        }
    }
}

// From the threshold up a dream may carry a message (the page the writer
// makes of a day's own reading is the "dream" golden file).
TEST(PageContent, DreamTimingFollowsTheDaysEmotionalReading)
{
    for (const int emotional : {69, 70})
        EXPECT_EQ(DreamContent(emotional, {2005, 9, 2}).find(std::to_string(emotional) + "%. This is a day of high") != std::string::npos,
                  emotional == 70) << emotional;
}

TEST(NavigationFilter, PageFilesAndThePrintLinkPassEverythingElseIsCancelled)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true}, {"C:\\Program Files\\Oracline\\reading.htm", true}, {"c:\\program files\\oracline\\x.HtM", true},
        {"file:///C:/Program%20Files/Oracline/effects.htm", true}, {"file://C:\\Program Files\\Oracline\\a.htm", true},
        {"javascript:window.print()", true}, {"x.htm", false}, {".htm", false}, {"C:\\Program Files\\Oracline\\.htm", false},
        {"C:\\Program Files\\Oracline\\reading.htm#top", false}, {"C:\\Program Files\\Oracline\\a#b.htm", false},
        {"C:\\Program Files\\Oracline\\aries.gif", false}, {"JavaScript:window.print()", false}, {"javascript:window.print();", false},
        // Other hosts, folders and schemes that merely end in ".htm".
        {"http://x/a.htm", false}, {"\\\\host\\share\\a.htm", false}, {"javascript:alert(1)//.htm", false},
        {"C:\\Program Files\\Oracline\\..\\..\\Windows\\a.htm", false}, {"C:\\Program Files\\Oracline\\Reports\\a.htm", false},
        {"file:///C:/Program%20Files/Oracline/..%5c..%5ca.htm", false}, {"file:///C:/Program%20Files/Oracline/%zz.htm", false},
        {"file://host/C:/Program%20Files/Oracline/a.htm", false}, {"C:\\Program Files\\OraclineX\\a.htm", false},
        {"C:\\Program Files\\Oracline\\a b.htm", true}, {"C:\\Program Files\\Oracline\\a\x1F.htm", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavigationAllowed(c.first, "C:\\Program Files\\Oracline\\"), c.second) << '"' << c.first << '"';
}

// Every escape of a byte, in either case, is that byte; a broken one refuses
// the address.
TEST(PageUrl, EscapesAreTheirBytes)
{
    for (const auto& [url, path] : {std::pair{"file:///C:/a%5B1%5d%20%7e%7E%41%61%09%2F%af%FA.htm", "C:\\a[1] ~~Aa\t\\\xaf\xfa.htm"},
                                    {"FILE://C:\\b%30%39.htm", "C:\\b09.htm"}, {"file:///C:/x%g0.htm", ""}, {"file:///C:/x%0g", ""},
                                    {"file:///C:/x%4", ""}, {"file:///C:/x%", ""}, {"C:/x.htm", "C:/x.htm"}, {"C:x.htm", ""}, {"file:///C:/x%:0", ""}, {"file:///C:/x%`0", ""}, {"C:/", "C:/"}, {"file:///C:/x%41", "C:\\xA"}})
        EXPECT_EQ(LocalPathOfUrl(url), path) << url;
}

// The built-in page view's reading and layout of the pages the program
// writes, with a measurer whose every character is half the font size wide.
struct FixedWidthMeasurer : PageMeasurer {
    float TextWidth(const std::string& text, const FontSpec& font) const override { return static_cast<float>(text.size()) * font.size / 2; }
    FontMetrics Metrics(const FontSpec& font) const override { return {font.size, font.size + 4}; }
    bool ImageSize(const std::string& path, float& width, float& height) const override
    {
        // "WxH" is a picture of that size, "missing" none, any other 28 pixels square.
        return width = height = 28, std::sscanf(path.c_str(), "%fx%f", &width, &height), path != "missing";
    }
};

const char* const kTable = "<table border=\"0\" cellpadding=\"3\" cellspacing=\"2\"><tr>";

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
        {cell, 300}, {cell, 86}, {cell, 30}, {"<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Heading</b></font>", 1000},
        {"<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print it</b></font></A>", 1000}, {"aaaa bbbb", 87.5f}, {"a<br><br>b", 1000}, {"<img src=q>x<table><tr><td bgcolor=red><img src=1x3000000>", 1000},
        {"<font color=\"black\" size=\"2\" face=\"Verdana\"><b>is: <font color=\"yellow\">7</b></font>", 1000},
        {"<font size=\"+99999999999999999999\" color=\"#ff0000\" face=\"" + std::string(32, 'F') + "\">x</font>", 1000},
        {"<marquee>hi</marquee><!-- gone --><script>document.write('x')</script>", 1000}, {"a <b", 1000}, {"<a href='x", 1000},
        {"<title>T</title><style>p{}</style>a<br/>b<br\t/>c<font\tsize=5\rcolor=red\nface=Arial\f>d</font><script>x", 1000}, {"a <b x", 1000},
        {Repeated("<b>", 99) + "<font color=red>x", 1000}, {Repeated("<b>", 100) + "<font color=red>x", 1000}, {"<table cellpadding=10000 cellspacing=0><tr><td>x", 1000},
        {Repeated("<div>", 99) + "<center>x</center>y", 1000}, {Repeated("<div>", 100) + "<center>x</center>y", 1000}, {"<table cellpadding=10000.5 cellspacing=-0.5><tr><td>x", 1000},
        {"<font color=\" white \">w<font color=green>g<font color=gray face=\"" + std::string(31, 'F') + "\">y<p>z<img src=i>", 1000}, {"a <b x=", 1000}, {"a <b x=y", 1000},
        {"<a <b>a</b></a><z <b>z</b><A <b>A</b></a><Z <b>Z</b><` <b>`</b><{ <b>{</b><@ <b>@</b><[ <b>[</b>", 1000}, {"<p><table><tr><td><table><tr><td>x", 1000},
        {std::string(kTable) + "<td>a</td> x <td>b</td></tr></table>", 1000}, {"a<center>b</center>c<div>d</div>e<p>f</p>g<div align=right>h</div>i", 1000},
        {"<font color=red>" + std::string(kTable) + "<td bgcolor=gray height=40>a</td></tr></table>b", 1000}, {Repeated("<table><tr><td>", 9) + "x</table>y</table>z", 1000},
        {"<div style=\"position:absolute\"><img src=p></div>x<img src=q>", 1000}, {"<div style=position:absolute><img src=p></div><img src=1x400>", 1000},
        {"<table cellpadding=0 cellspacing=0><tr><td></td><td>b</td></tr></table>", 1000}, {std::string(kTable) + "<td bgcolor=red>a<p>b</td></tr></table>", 1000},
        {"<center>ab</center>", 116}, {"<center>" + std::string(kTable) + "<td>ab</td></tr></table></center>", 116},
        {twoRows + " align=\"center\">ab</td></tr></table>", 116}, {"<center>" + twoRows + ">ab</td></tr></table></center>", 116}, {"a<!", 1000}, {"</title><title>T</title>x</meta></br></img>y", 1000}, {"a\tb\rc<img src=missing><img src=0.0x0><img src=-0.5x28><img src=28x-0.5><img src=nanx28><img src=28xinf><img src=5x5>", 1000},
        {"<!---->a<!--->b-->c<!-- > -->d<?e=f>g</ <b>h</b>i<style><b></style>j<font size/color=red>k<font color = green>l</font><font color=\"navy\"size=\"5\">m<", 1000},
        {"x<font color=red>" + std::string(kTable) + "<td>a</td>b<td>c</td><a></a><td>d</td> <td>e<tr>f</td></tr></table>y", 1000}, {"</b>ab</", 1000},
        {"<table><tr><td bgcolor=red>a<br> b c</td></tr></table><table><tr><td bgcolor=red> c <b> d</b><img src=i><div style=position:absolute><img src=p></div></td></tr></table>", 1000},
        {"<div><img src=q></div><div style=absolute><img src=p></div><div style=\"position:absolute; left:0\"><img src=r></div><div><img src=0.0x0></div>x"
         "<center>a<p>b</p></center><font face=\"Arial, Verdana\">f</font>", 1000},
        {"<img src=22.5x5><img src=22x5><div align=right>wwwwwwwwww</div><table cellpadding=0 cellspacing=0><tr><td bgcolor=red height=5></td></tr></table><table cellpadding=40><tr><td bgcolor=red></td></tr></table><table><tr><td bgcolor=red><table cellpadding=10><tr><td>aaaa bbbb", 60},
    };
    std::string listing;
    for (const auto& c : cases) {
        const PageLayout layout = LayOutPage(ParsePage(c.first), c.second, 300, FixedWidthMeasurer());
        RecordingCanvas canvas;
        DrawPage(layout, canvas, 0, layout.height, false);
        listing += "== " + c.first + " in " + std::to_string(int(c.second)) + "\n" + canvas.Listing();
    }
    ExpectGolden("pages/view-text.txt", listing);
}

// Sheets end above the first line they cannot hold whole, a line taller
// than a sheet where the sheet ends. A window's band shows what reaches into
// it, moved up by the band's top; paper takes each piece on the one sheet
// where it starts, its text black and without fills.
TEST(PageView, SheetsAndBandsTakeEachPieceOnce)
{
    const PageLayout layout = LayOutPage(ParsePage("<font color=red>a<br>b<table cellspacing=0><tr><td bgcolor=red>c</table>d<br><img src=8x50>"), 40, 300, FixedWidthMeasurer()),
                     empty = LayOutPage(ParsePage(""), 40, 300, FixedWidthMeasurer());
    const struct { const PageLayout& page; float sheet; std::vector<float> cuts; } sheets[] = {
        {empty, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}, {layout, 20, {8, 28, 48, 49, 69, 70, 90, 110, 130}}, {layout, 40, {28, 49, 70, 90, 130}},
        {layout, 48, {48, 90, 138}}, {layout, 140, {140}}, {layout, 148, {}}, {layout, 0, {}}, {layout, -1, {}},
    };
    for (const auto& s : sheets)
        EXPECT_EQ(PageBreaks(s.page, s.sheet), s.cuts) << s.sheet;
    std::string listing;
    for (const auto& [top, height] : {std::pair{28.0f, 20.0f}, {48.0f, 22.0f}})
        for (const bool onPaper : {false, true}) {
            RecordingCanvas canvas;
            DrawPage(layout, canvas, top, height, onPaper);
            listing += canvas.Listing() + "|";
        }
    const std::string b = "\"b\" Times New Roman 16 regular\n|", c = "Text (9, 1, 0, 0) rgb(0,0,0) \"c\" Times New Roman 16 regular\n|";
    EXPECT_EQ(listing, "Fill (0, 0, 40, 20) rgb(255,255,255) width 0\nText (8, 0, 0, 0) rgb(255,0,0) " + b + "Text (8, 0, 0, 0) rgb(0,0,0) " + b +
                       "Fill (0, 0, 40, 22) rgb(255,255,255) width 0\nFill (8, 0, 10, 22) rgb(255,0,0) width 0\n" + c + c);
}

// The pages as written: the redirect page is followed to its content, the
// body gives the colour and the scrolling, the Print link can be found.
TEST(PageView, WrittenPagesOpenAtTheirContent)
{
    TempDir dir;
    ScratchPages pages(dir.dir());
    PageDocument page;
    std::string shown;
    EXPECT_FALSE(LoadPageFile(dir.path("missing.htm"), page, shown));

    ASSERT_TRUE(LoadPageFile(WriteIntroductionPage(pages), page, shown));
    EXPECT_EQ(shown + (page.scrolls ? " scrolls on " : " on ") + std::to_string(page.background.green), dir.path("reading.htm") + " scrolls on 128");

    EXPECT_TRUE(LoadPageFile(WriteQuickTipPage(pages, "Use Personal Data."), page, shown) && !page.scrolls);
    // Pages are written in Windows-1252 and shown in UTF-8; one without a body scrolls.
    EXPECT_TRUE(LoadPageFile(dir.Write("q.htm", "you\x92ll"), page, shown) && page.text == "you\u2019ll" && page.scrolls) << page.text;

    ASSERT_TRUE(LoadPageFile(WriteDreamPage(pages, Profile(), {2005, 9, 9}), page, shown));
    const PageLayout layout = LayOutPage(page, 700, 300, FixedWidthMeasurer());
    const PagePiece& print = layout.pieces.back();
    ASSERT_EQ(print.text, "Print");
    EXPECT_TRUE(LinkAt(layout, print.x + 1, print.y + 1) && !LinkAt(layout, print.x - 1, print.y + 1));
    const std::string link = "<a href=\"javascript:window.print()\">";
    const PageLayout linked = LayOutPage(ParsePage(link + "y y</a>z"), 700, 300, FixedWidthMeasurer());
    EXPECT_TRUE(LinkAt(linked, 8, 8) && LinkAt(linked, 31, 27) && !LinkAt(linked, 32, 9) && !LinkAt(linked, 9, 28));  // the link ends with its tag
    // A link around a picture without width or height has no area to find; half a pixel square is kept.
    const PageLayout areas = LayOutPage(ParsePage(link + "<img src=0.0x9></a><p>" + link + "<img src=9x0></a><p>" + link + "<img src=0.5x0.5></a>"), 700, 300, FixedWidthMeasurer());
    EXPECT_TRUE(areas.links.size() == 1 && areas.links[0].width == 0.5f && areas.links[0].height == 0.5f);

    // A redirect is followed once, and only within its folder: two pages
    // pointing at each other show the second, a page edited to point out of
    // its folder is shown itself.
    const auto redirect = [](const std::string& to) { return "<META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + to + "\">"; };
    std::filesystem::create_directory(dir.path("in"));
    const std::string second = dir.Write("in/b.htm", redirect("a.htm"));
    for (const std::string& to : {second, "b.htm"s, "..\\x.htm"s, "../x.htm"s, "\\\\host\\share\\x.htm"s, dir.Write("x.htm", "x")})
        EXPECT_EQ(LoadPageFile(dir.Write("in/a.htm", redirect(to)), page, shown) ? shown : "unloaded",
                  to == second || to == "b.htm" ? second : dir.path("in/a.htm")) << to;
}

std::string Repeat(const std::string& piece, size_t bytes) { return Repeated(piece, static_cast<int>(bytes / piece.size())); }

// A long page is laid out whole, every word in the view. Page files edited
// by hand, up to the size the reader accepts, are read, laid out and cut for
// paper in time that grows with their size, not with the square of it.
// Measured in processor time, which other work on the machine does not
// stretch; sanitizer builds run several times slower.
TEST(PageView, LongPagesAreLaidOutWholeAndHostileOnesShownAndPrintedWithinASecond)
{
    const std::string paragraph = "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>" + Repeat("word1 word22 word333 ", 300) + "</b></font><p>";
    const std::string html = "<body bgcolor=\"gray\"><center>" + std::string(kTable) + "<td>" + Repeat(paragraph, 100 * 1024);
    const long words = std::count(html.begin(), html.end(), 'w');
    const PageLayout page = LayOutPage(ParsePage(html), 700, 400, FixedWidthMeasurer());
    int placed = 0;
    for (const PagePiece& piece : page.pieces) {
        for (char c : piece.text)
            placed += c == 'w';
        EXPECT_LE(piece.x + piece.width, 700 - 8 - 5);
    }
    EXPECT_EQ(placed, words);

#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
    const double limit = 10;
#else
    const double limit = 1;
#endif
    const size_t kMiB = 1 << 20;
    const std::string lines = Repeat(std::string(63, 'f') + "\n", 128 * 1024);
    const std::pair<const char*, std::string> cases[] = {
        {"open tags", Repeat("<a", kMiB)}, {"ampersands", Repeat("&", kMiB)},
        {"unbalanced blocks", Repeat("<center>", kMiB / 2) + Repeat("</div>", kMiB / 2)}, {"deep tables", Repeat("<table><tr><td>", kMiB)},
        {"long face", "<font face=\"" + lines + "\">" + Repeat("x<br>", kMiB - lines.size())},
        {"long href", "<a href=\"" + lines + "\">" + Repeat("x<br>", kMiB - lines.size())}, {"paragraphs", Repeat("<p>x", kMiB)}, {"lines of no height", Repeat("<div><img src=9x0></div>", kMiB)},
        {"huge size", Repeat("<font size=\"+99999999999999999999\">x</font>", kMiB)},
        {"not a number", Repeat("<table cellpadding=nan cellspacing=inf><tr><td height=nan>x</td></tr></table>", kMiB)},
        {"tall table", "<table><tr><td>" + Repeat("<img src=28x1073741824>", kMiB)},
    };
    // A tag ends within 4096 bytes or is text; tables nest eight deep, a
    // deeper one is text.
    const struct { std::string html; size_t tables; bool tagAsText; } limits[] = {
        {"<b" + std::string(4093, ' ') + ">", 0, false}, {"<b" + std::string(4094, ' ') + ">", 0, true},
        {Repeat("<table><tr><td>", 8 * 15), 8, false}, {Repeat("<table><tr><td>", 9 * 15), 8, true},
    };
    for (const auto& c : limits) {
        const PageDocument limited = ParsePage(c.html);
        EXPECT_EQ(std::make_pair(limited.tables.size(), limited.text.find('<') != std::string::npos),
                  std::make_pair(c.tables, c.tagAsText)) << c.html.size();
    }
    for (const auto& c : cases) {
        const std::clock_t start = std::clock();
        const PageLayout layout = LayOutPage(ParsePage(c.second), 700, 400, FixedWidthMeasurer());
        const std::vector<float> cuts = PageBreaks(layout, 1056);
        EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, limit) << c.first;
        EXPECT_LE(layout.height, kMostLayoutHeight) << c.first;
        EXPECT_TRUE(std::is_sorted(cuts.begin(), cuts.end())) << c.first;
    }
}

}  // namespace
