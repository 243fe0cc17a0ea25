#include "pages/DreamPage.h"
#include "pages/IntroductionPage.h"
#include "pages/NavigationFilter.h"
#include "pages/PageWriter.h"

#include "daily/ExplainPage.h"
#include "hourly/Superstitions.h"
#include "profiles/InformationPages.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>

#include <functional>

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The frame pieces, written out as the pages must hold them.
std::string RedirectPage(const std::string& contentPath)
{
    return "<html><!-- Oracline page --><HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + contentPath +
           "\"><TITLE></TITLE></HEAD>"
           "<body bgcolor=\"gray\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\">"
           "</body></html>";
}

std::string Head(int duration)
{
    return "<html><!-- Oracline page --><HEAD><META http-equiv=\"Page-Enter\" CONTENT=\"RevealTrans(Duration=" +
           std::to_string(duration) + ",Transition=5)\"><TITLE></TITLE></HEAD>";
}

const std::string kScriptAndTable =
    "<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }"
    "function reEnable() { return true; } document.onselectstart=new Function (\"return false\");"
    "if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>"
    "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">";
const std::string kPrintLink =
    "<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>";
const std::string kP1 = "</td></tr><tr><td>" + kPrintLink;
const std::string kB1 =
    "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\"><center>";
const std::string kB3 =
    "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" scroll=\"no\">";

PageSpec Page(PageBody body, PrintRow printRow, PageClosing closing, const std::string& content)
{
    PageSpec page;
    page.redirectName = "email_e.htm";
    page.contentName = "email_r.htm";
    page.body = body;
    page.printRow = printRow;
    page.closing = closing;
    page.content = content;
    return page;
}

using Writer = std::function<std::string(const std::string&)>;

// The content holds printf directives that must come out as they are.
const std::string kContent = "<b>x</b> 42% %s %d %n\n100%";

Writer Generic(PageBody body, PrintRow printRow, PageClosing closing)
{
    return [=](const std::string& dir) { return WritePagePair(dir, Page(body, printRow, closing, kContent)); };
}

// Every frame the writer offers, then the pages of the windows and buttons,
// each in its own; all over files left longer by an earlier showing.
TEST(PageWriter, EveryFrameAndEachPageInItsFrameByteForByte)
{
    const std::string b2 = "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                           "oncontextmenu=\"return false\" scroll=\"no\"><center>";
    const std::string b4 = "<body onLoad=\"start()\" bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                           "scroll=\"no\" oncontextmenu=\"return false\">";
    const std::string c1 = kP1 + "</td></tr></table><p><br></center></body></html>";
    const std::string c2 = kP1 + "</td></tr></table><p><br></body></html>";
    const std::string p2c3 = kP1 + "<p><br></td></tr></table></center></body></html>";
    const std::string c4 = "</td></tr></table><br></center></body></html>";
    // The ending is the print row and the closing.
    const struct { const char* page; Writer write; const char *redirect, *contentFile; std::string bodyTag, content,
                   ending; } cases[] = {
        {"daily explanation", Generic(PageBody::B1, PrintRow::P1, PageClosing::C1), "email_e.htm", "email_r.htm",
         kB1, kContent, c1},
        {"superstition", Generic(PageBody::B3, PrintRow::P1, PageClosing::C2), "email_e.htm", "email_r.htm", kB3,
         kContent, c2},
        {"companion", Generic(PageBody::B2, PrintRow::P1, PageClosing::C3), "email_e.htm", "email_r.htm", b2,
         kContent, kP1 + "</td></tr></table></center></body></html>"},
        {"welcome", Generic(PageBody::B1, PrintRow::None, PageClosing::C4), "email_e.htm", "email_r.htm", kB1,
         kContent, c4},
        {"soul number", Generic(PageBody::B1, PrintRow::P2, PageClosing::C3), "email_e.htm", "email_r.htm", kB1,
         kContent, p2c3},
        {"e-mail help", Generic(PageBody::B1, PrintRow::None, PageClosing::C5), "email_e.htm", "email_r.htm", kB1,
         kContent, "</td></tr></table></center><p>" + kPrintLink + "<p><br></body></html>"},
        {"sign panel body", Generic(PageBody::B4, PrintRow::None, PageClosing::C3), "email_e.htm", "email_r.htm", b4,
         kContent, "</td></tr></table></center></body></html>"},
        {"introduction page", WriteIntroductionPage, "effects.htm", "reading.htm", kB1, IntroductionContent(), c4},
        {"explanation page", WriteDailyExplanationPage, "effects.htm", "reading.htm", kB1,
         DailyExplanationContent(), c1},
        {"superstition page", [](const std::string& d) { return WriteSuperstitionPage(d, 1); }, "super_e.htm",
         "super_r.htm", kB3, DailySuperstition(1), c2},
        {"sign page", [](const std::string& d) { return WriteSignPage(d, 1, 20); }, "effects.htm", "reading.htm",
         kB1, SignPageContent(1, 20), c1},
        {"number page", [](const std::string& d) { return WriteNumberPage(d, 7, 15, 1970); }, "effects.htm",
         "reading.htm", kB1, NumberPageContent(7, 15, 1970), p2c3},
        {"year page", [](const std::string& d) { return WriteYearPage(d, 2005); }, "effects.htm", "reading.htm",
         kB1, YearPageContent(2005), p2c3},
    };
    for (const auto& c : cases) {
        TempDir dir;
        SCOPED_TRACE(c.page);
        dir.Write(c.redirect, std::string(5000, '~'));
        dir.Write(c.contentFile, std::string(50000, '~'));
        EXPECT_EQ(c.write(dir.dir()), dir.path(c.redirect));
        EXPECT_EQ(dir.Read(c.redirect), RedirectPage(dir.path(c.contentFile)));
        EXPECT_EQ(dir.Read(c.contentFile), Head(3) + c.bodyTag + kScriptAndTable + "<tr><td>" + c.content + c.ending);
        EXPECT_EQ(dir.EntryCount(), 2);
    }

    // The superstition texts reach the page as Windows-1252 bytes.
    TempDir dir;
    WriteSuperstitionPage(dir.dir(), 1);
    EXPECT_TRUE(Contains(dir.Read("super_r.htm"), "you\x92ll"));

    // A content page that cannot be written keeps these windows shut.
    TempDir blocked;
    std::filesystem::create_directory(blocked.path("reading.htm"));
    std::filesystem::create_directory(blocked.path("super_r.htm"));
    EXPECT_EQ(WriteDailyExplanationPage(blocked.dir()), "");
    EXPECT_EQ(WriteSuperstitionPage(blocked.dir(), 31), "");
}

TEST(PageWriter, QuickTipIsOneCentredPageWithoutRedirect)
{
    TempDir dir;
    EXPECT_EQ(WriteQuickTipPage(dir.dir(), "In most cases you should <font color=\"white\">NOT"), dir.path("tip_e.htm"));
    EXPECT_EQ(dir.EntryCount(), 1);
    EXPECT_EQ(dir.Read("tip_e.htm"),
              "<html><!-- Oracline page --><HEAD><META http-equiv=\"Page-Enter\" "
              "CONTENT=\"RevealTrans(Duration=2,Transition=5)\"><TITLE></TITLE></HEAD>"
              "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
              "scroll=\"no\"><center>" +
                  kScriptAndTable +
                  "<tr><td align=\"center\"><font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>"
                  "In most cases you should <font color=\"white\">NOT</b></font>"
                  "</td></tr></table></center></body></html>");
}

TEST(PageWriter, PagesThatCannotBeWrittenAreSkipped)
{
    const std::string missing = "/nonexistent-oracline-dir/";
    EXPECT_EQ(WritePagePair(missing, Page(PageBody::B1, PrintRow::P1, PageClosing::C1, "x")),
              missing + "email_e.htm");
    EXPECT_EQ(WriteQuickTipPage(missing, "tip"), missing + "tip_e.htm");

    // A redirect page that is a directory does not stop the content page.
    TempDir dir;
    std::filesystem::create_directory(dir.path("email_e.htm"));
    WritePagePair(dir.dir(), Page(PageBody::B1, PrintRow::None, PageClosing::C4, "still here"));
    EXPECT_TRUE(Contains(dir.Read("email_r.htm"), "still here"));
}

// Born September 2, 2005: the Emotional cycle runs 50, 57, 64, 71, ... from
// the birthday, up to 100 (shown as 99) a week later.
TEST(PageContent, DreamTimingFollowsTheDaysEmotionalReading)
{
    const struct { int day; const char* reading; bool high; } cases[] = {
        {2, "50%", false}, {4, "64%", false}, {5, "71%", true}, {9, "99%", true}};
    for (const auto& c : cases) {
        TempDir dir;
        const std::string profile = dir.Write("Me.ini", "Name:Jane Doe\nYourMonth:9\nYourDate:2\nYourYear:2005\n");
        EXPECT_EQ(WriteDreamPage(dir.dir(), profile, 2005, 9, c.day), dir.path("dream_e.htm"));
        EXPECT_EQ(dir.Read("dream_e.htm"), RedirectPage(dir.path("dream_r.htm")));
        const std::string page = dir.Read("dream_r.htm");
        EXPECT_TRUE(Contains(page, "Your Emotional reading for September " + std::to_string(c.day) + ", 2005 is " +
                                       c.reading + ". This is " + (c.high ? "" : "not ") + "a day of high emotion"))
            << c.day;
        EXPECT_TRUE(EndsWith(page, kP1 + "</td></tr></table><p><br></center></body></html>"));
    }
    EXPECT_TRUE(Contains(DreamContent(kDreamEmotionalThreshold, 2005, 12, 31),
                         "December 31, 2005 is 70%. This is a day of high emotion"));
}

TEST(NavigationFilter, PageFilesAndThePrintLinkPassEverythingElseIsCancelled)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true}, {"C:\\Program Files\\Oracline\\reading.htm", true}, {"c:\\program files\\oracline\\x.HtM", true},
        {"file:///C:/Program%20Files/Oracline/effects.htm", true}, {"file://C:\\Program Files\\Oracline\\a.htm", true},
        {"javascript:window.print()", true},
        {"x.htm", false}, {".htm", false}, {"C:\\Program Files\\Oracline\\.htm", false},
        {"C:\\Program Files\\Oracline\\reading.htm#top", false}, {"C:\\Program Files\\Oracline\\aries.gif", false},
        {"JavaScript:window.print()", false}, {"javascript:window.print();", false},
        // Other hosts, folders and schemes that merely end in ".htm".
        {"http://x/a.htm", false}, {"\\\\host\\share\\a.htm", false}, {"javascript:alert(1)//.htm", false},
        {"C:\\Program Files\\Oracline\\..\\..\\Windows\\a.htm", false},
        {"C:\\Program Files\\Oracline\\Reports\\a.htm", false},
        {"file:///C:/Program%20Files/Oracline/..%5c..%5ca.htm", false}, {"file:///C:/Program%20Files/Oracline/%zz.htm", false},
        {"file://host/C:/Program%20Files/Oracline/a.htm", false}, {"C:\\Program Files\\OraclineX\\a.htm", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavigationAllowed(c.first), c.second) << '"' << c.first << '"';

    EXPECT_EQ(EscapeHtml("<b>Tom & \"Jo\" O'Neil</b>"), "&lt;b&gt;Tom &amp; &quot;Jo&quot; O&#39;Neil&lt;/b&gt;");

    // screen, page, offset; integer halves round down
    const int offsets[][3] = {{1024, 700, 162}, {1024, 701, 161}, {700, 700, 0},         {640, 730, 0},
                              {302, 300, 1},     {INT_MAX, INT_MIN, INT_MAX}, {INT_MIN, INT_MAX, 0}};
    for (const auto& c : offsets)
        EXPECT_EQ(CentreOffset(c[0], c[1]), c[2]) << c[0] << " - " << c[1];
}

}  // namespace
