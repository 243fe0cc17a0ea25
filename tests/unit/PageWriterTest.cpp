#include "pages/PageWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The frame pieces, written out as the pages must hold them.
const std::string kComment = "<!-- Oracline page -->";

std::string RedirectPage(const std::string& contentPath)
{
    return "<html>" + kComment + "<HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + contentPath +
           "\"><TITLE></TITLE></HEAD>"
           "<body bgcolor=\"gray\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\">"
           "</body></html>";
}

std::string Head(int duration)
{
    return "<html>" + kComment + "<HEAD><META http-equiv=\"Page-Enter\" CONTENT=\"RevealTrans(Duration=" +
           std::to_string(duration) + ",Transition=5)\"><TITLE></TITLE></HEAD>";
}

const std::string kScript =
    "<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }"
    "function reEnable() { return true; } document.onselectstart=new Function (\"return false\");"
    "if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>";
const std::string kTable = "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">";
const std::string kP1 =
    "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" "
    "face=\"Arial\"><b>Print</b></font></A>";

PageSpec Spec(PageBody body, PrintRow printRow, PageClosing closing, const std::string& content)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = body;
    page.printRow = printRow;
    page.closing = closing;
    page.content = content;
    return page;
}

TEST(PageWriter, DailyExplanationPageIsWrittenByteForByte)
{
    TempDir dir;
    const std::string path = WritePagePair(dir.dir(), Spec(PageBody::B1, PrintRow::P1, PageClosing::C1, "Hello"));

    EXPECT_EQ(path, dir.path("effects.htm"));
    EXPECT_EQ(dir.Read("effects.htm"),
              "<html><!-- Oracline page --><HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" +
                  dir.path("reading.htm") +
                  "\"><TITLE></TITLE></HEAD><body bgcolor=\"gray\" link=\"white\" vlink=\"white\" alink=\"white\" "
                  "scroll=\"no\"></body></html>");
    EXPECT_EQ(dir.Read("reading.htm"),
              "<html><!-- Oracline page --><HEAD><META http-equiv=\"Page-Enter\" "
              "CONTENT=\"RevealTrans(Duration=3,Transition=5)\"><TITLE></TITLE></HEAD>"
              "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\">"
              "<center>"
              "<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }"
              "function reEnable() { return true; } document.onselectstart=new Function (\"return false\");"
              "if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>"
              "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\"><tr><td>Hello"
              "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" "
              "face=\"Arial\"><b>Print</b></font></A>"
              "</td></tr></table><p><br></center></body></html>");
    EXPECT_EQ(dir.EntryCount(), 2);
}

TEST(PageWriter, EveryBodyPrintRowAndClosingOfTheCatalogue)
{
    const std::string b1 =
        "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\"><center>";
    const std::string b2 = "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                           "oncontextmenu=\"return false\" scroll=\"no\"><center>";
    const std::string b3 = "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                           "oncontextmenu=\"return false\" scroll=\"no\">";
    const std::string b4 = "<body onLoad=\"start()\" bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                           "scroll=\"no\" oncontextmenu=\"return false\">";
    const std::string printLink = "<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" "
                                  "face=\"Arial\"><b>Print</b></font></A>";
    struct Case {
        const char* page;
        PageBody body;
        PrintRow printRow;
        PageClosing closing;
        std::string bodyTag;
        std::string ending;  // print row and closing
    } cases[] = {
        {"superstition", PageBody::B3, PrintRow::P1, PageClosing::C2, b3,
         kP1 + "</td></tr></table><p><br></body></html>"},
        {"companion", PageBody::B2, PrintRow::P1, PageClosing::C3, b2,
         kP1 + "</td></tr></table></center></body></html>"},
        {"welcome", PageBody::B1, PrintRow::None, PageClosing::C4, b1,
         "</td></tr></table><br></center></body></html>"},
        {"soul number", PageBody::B1, PrintRow::P2, PageClosing::C3, b1,
         kP1 + "<p><br></td></tr></table></center></body></html>"},
        {"e-mail help", PageBody::B1, PrintRow::None, PageClosing::C5, b1,
         "</td></tr></table></center><p>" + printLink + "<p><br></body></html>"},
        {"sign panel body", PageBody::B4, PrintRow::None, PageClosing::C3, b4,
         "</td></tr></table></center></body></html>"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        PageSpec page = Spec(c.body, c.printRow, c.closing, "<b>x</b>");
        page.redirectName = "email_e.htm";
        page.contentName = "email_r.htm";
        WritePagePair(dir.dir(), page);
        EXPECT_EQ(dir.Read("email_e.htm"), RedirectPage(dir.path("email_r.htm"))) << c.page;
        EXPECT_EQ(dir.Read("email_r.htm"), Head(3) + c.bodyTag + kScript + kTable + "<tr><td><b>x</b>" + c.ending)
            << c.page;
    }
}

TEST(PageWriter, ContentIsWrittenAsItIsNotAsAFormat)
{
    TempDir dir;
    const std::string content = "Emotional 42% %s %d %n\n100%";
    WritePagePair(dir.dir(), Spec(PageBody::B1, PrintRow::None, PageClosing::C4, content));
    const std::string page = dir.Read("reading.htm");
    EXPECT_NE(page.find("<tr><td>" + content + "</td></tr>"), std::string::npos);
}

TEST(PageWriter, QuickTipIsOneCentredPageWithoutRedirect)
{
    TempDir dir;
    const std::string path = WriteQuickTipPage(dir.dir(), "In most cases you should <font color=\"white\">NOT");

    EXPECT_EQ(path, dir.path("tip_e.htm"));
    EXPECT_EQ(dir.EntryCount(), 1);
    EXPECT_EQ(dir.Read("tip_e.htm"),
              "<html><!-- Oracline page --><HEAD><META http-equiv=\"Page-Enter\" "
              "CONTENT=\"RevealTrans(Duration=2,Transition=5)\"><TITLE></TITLE></HEAD>"
              "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
              "scroll=\"no\"><center>" +
                  kScript + kTable +
                  "<tr><td align=\"center\"><font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>"
                  "In most cases you should <font color=\"white\">NOT</b></font>"
                  "</td></tr></table></center></body></html>");
}

TEST(PageWriter, EachShowingRewritesBothFiles)
{
    TempDir dir;
    dir.Write("effects.htm", std::string(5000, '~'));
    dir.Write("reading.htm", std::string(5000, '~'));
    WritePagePair(dir.dir(), Spec(PageBody::B1, PrintRow::P1, PageClosing::C1, "first"));
    EXPECT_EQ(dir.Read("effects.htm"), RedirectPage(dir.path("reading.htm")));

    WritePagePair(dir.dir(), Spec(PageBody::B2, PrintRow::P1, PageClosing::C3, "second"));
    const std::string page = dir.Read("reading.htm");
    EXPECT_EQ(page.find("first"), std::string::npos);
    EXPECT_EQ(page.find('~'), std::string::npos);
    EXPECT_NE(page.find("<tr><td>second"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 41), "</td></tr></table></center></body></html>");
}

TEST(PageWriter, PagesThatCannotBeWrittenAreSkipped)
{
    const std::string missing = "/nonexistent-oracline-dir/";
    EXPECT_EQ(WritePagePair(missing, Spec(PageBody::B1, PrintRow::P1, PageClosing::C1, "x")),
              missing + "effects.htm");
    EXPECT_EQ(WriteQuickTipPage(missing, "tip"), missing + "tip_e.htm");

    // A redirect page that is a directory does not stop the content page.
    TempDir dir;
    ASSERT_EQ(mkdir(dir.path("effects.htm").c_str(), 0700), 0);
    WritePagePair(dir.dir(), Spec(PageBody::B1, PrintRow::None, PageClosing::C4, "still here"));
    EXPECT_NE(dir.Read("reading.htm").find("still here"), std::string::npos);
}

}  // namespace
