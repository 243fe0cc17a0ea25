#include "pages/DreamPage.h"
#include "pages/HelpPage.h"
#include "pages/IntroductionPage.h"
#include "pages/NavigationFilter.h"
#include "pages/PageFiles.h"
#include "pages/PageParser.h"
#include "pages/PageWriter.h"

#include "companion/CompanionPage.h"
#include "daily/ExplainPage.h"
#include "hourly/Superstitions.h"
#include "profiles/InformationPages.h"

#include "Golden.h"
#include "TempDir.h"

#include <gtest/gtest.h>


#include <functional>

namespace {

using namespace std::string_literals;

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

Profile BornOnSecond()
{
    Profile p;
    p.fullName = "Jane Doe";
    p.yourMonth = 9, p.yourDate = 2, p.yourYear = 2005;
    return p;
}

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
Writer Generic(PageBody body, PrintRow printRow, PageClosing closing)
{
    return [=](const std::string& dir) {
        return WritePagePair(dir, Page(body, printRow, closing, "<b>x</b> 42% %s %d %n\n100%"));
    };
}

// The files a writer left in its directory, named, with the directory's path
// written as "DATA\".
std::string Written(const TempDir& dir, const std::vector<std::string>& names)
{
    std::string all;
    for (const std::string& name : names) {
        std::string text = dir.Read(name);
        for (size_t at = text.find(dir.dir()); at != std::string::npos; at = text.find(dir.dir(), at))
            text.replace(at, dir.dir().size(), "DATA\\");
        all += "== " + name + "\n" + text + "\n";
    }
    return all;
}

// Every frame the writer offers, the pages that lay out their own and the
// pages of the windows and buttons, each over files left longer by an
// earlier showing.
TEST(PageWriter, EveryFrameAndEachOwnPageByteForByte)
{
    const struct { const char* golden; Writer write; const char *redirect, *content; } cases[] = {
        {"frame-b1-p1-c1", Generic(PageBody::B1, PrintRow::P1, PageClosing::C1), "email_e.htm", "email_r.htm"},
        {"frame-b3-p1-c2", Generic(PageBody::B3, PrintRow::P1, PageClosing::C2), "email_e.htm", "email_r.htm"},
        {"frame-b2-p1-c3", Generic(PageBody::B2, PrintRow::P1, PageClosing::C3), "email_e.htm", "email_r.htm"},
        {"frame-b1-c4", Generic(PageBody::B1, PrintRow::None, PageClosing::C4), "email_e.htm", "email_r.htm"},
        {"frame-b1-p2-c3", Generic(PageBody::B1, PrintRow::P2, PageClosing::C3), "email_e.htm", "email_r.htm"},
        {"frame-b1-c5", Generic(PageBody::B1, PrintRow::None, PageClosing::C5), "email_e.htm", "email_r.htm"},
        {"frame-b4-c3", Generic(PageBody::B4, PrintRow::None, PageClosing::C3), "email_e.htm", "email_r.htm"},
        {"sign-panel", [](const std::string& d) { return WriteSignPanelPage(d, "C:\\Oracline\\leo.gif"); },
         "sign_e.htm", "sign_r.htm"},
        {"help", [](const std::string& d) { return WriteHelpPage(d, "Tips <p>100% %s"); }, "help.htm", nullptr},
        {"help-title", [](const std::string& d) { return WriteHelpPage(d, ""); }, "help.htm", nullptr},
        {"tip", [](const std::string& d) { return WriteQuickTipPage(d, "In most cases you should <font "
                                                                      "color=\"white\">NOT"); },
         "tip_e.htm", nullptr},
        {"introduction", WriteIntroductionPage, "effects.htm", "reading.htm"},
        {"daily-explanation", WriteDailyExplanationPage, "effects.htm", "reading.htm"},
        {"superstition", [](const std::string& d) { return WriteSuperstitionPage(d, 1); }, "super_e.htm", "super_r.htm"},
        {"sign", [](const std::string& d) { return WriteSignPage(d, 1, 20); }, "effects.htm", "reading.htm"},
        {"number", [](const std::string& d) { return WriteNumberPage(d, {1970, 7, 15}); }, "effects.htm", "reading.htm"},
        {"year", [](const std::string& d) { return WriteYearPage(d, 2005); }, "effects.htm", "reading.htm"},
        {"dream", [](const std::string& d) { return WriteDreamPage(d, BornOnSecond(), {2005, 9, 9}); }, "dream_e.htm",
         "dream_r.htm"},
        {"companion", [](const std::string& d) {
             return WriteCompanionExplanationPage(d, MatchCompanions({"", Sign::Aries, 3}, {"", Sign::Gemini, 5}));
         }, "effects.htm", "reading.htm"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        SCOPED_TRACE(c.golden);
        dir.Write(c.redirect, std::string(5000, '~'));
        std::vector<std::string> names = {c.redirect};
        if (c.content) {
            dir.Write(c.content, std::string(50000, '~'));
            names.push_back(c.content);
        }
        EXPECT_EQ(c.write(dir.dir()), dir.path(c.redirect));
        ExpectGolden(std::string("pages/") + c.golden + ".txt", Written(dir, names));
        EXPECT_EQ(dir.EntryCount(), static_cast<std::ptrdiff_t>(names.size()));
    }
}

// A page that cannot be written whole is not offered for showing.
TEST(PageWriter, PagesThatCannotBeWrittenAreNotOffered)
{
    const std::string missing = "/nonexistent-oracline-dir/";
    EXPECT_EQ(WritePagePair(missing, Page(PageBody::B1, PrintRow::P1, PageClosing::C1, "x")), "");
    EXPECT_EQ(WriteQuickTipPage(missing, "tip"), "");
    EXPECT_EQ(WriteHelpPage(missing, "tip"), "");
    TempDir dir;
    std::filesystem::create_directory(dir.path("email_e.htm"));
    EXPECT_EQ(WritePagePair(dir.dir(), Page(PageBody::B1, PrintRow::None, PageClosing::C4, "x")), "");
    std::filesystem::create_directory(dir.path("sign_r.htm"));
    EXPECT_EQ(WriteSignPanelPage(dir.dir(), "leo.gif"), "");
    // A content page that cannot be written keeps these windows shut.
    std::filesystem::create_directory(dir.path("reading.htm"));
    std::filesystem::create_directory(dir.path("super_r.htm"));
    EXPECT_EQ(WriteDailyExplanationPage(dir.dir()), "");
    EXPECT_EQ(WriteSuperstitionPage(dir.dir(), 31), "");


    // Pages a run left behind go at the next start; other files stay.
    dir.Write("effects.htm", "x");
    dir.Write("oc.ini", "x");
    RemoveLeftPages(dir.dir());
    EXPECT_FALSE(std::filesystem::exists(dir.path("effects.htm")));
    EXPECT_TRUE(std::filesystem::exists(dir.path("oc.ini")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("email_e.htm")) && std::filesystem::is_directory(dir.path("reading.htm")));
}

// The Emotional cycle runs 50, 57, 64, 71, ... from the birthday, up to 100
// (shown as 99) a week later.
TEST(PageContent, DreamTimingFollowsTheDaysEmotionalReading)
{
    const struct { int day; const char* reading; bool high; } cases[] = {
        {2, "50%", false}, {4, "64%", false}, {5, "71%", true}, {9, "99%", true}};
    for (const auto& c : cases) {
        TempDir dir;
        WriteDreamPage(dir.dir(), BornOnSecond(), {2005, 9, c.day});
        EXPECT_TRUE(Contains(dir.Read("dream_r.htm"), "Your Emotional reading for September " +
                                                          std::to_string(c.day) + ", 2005 is " + c.reading +
                                                          ". This is " + (c.high ? "" : "not ") +
                                                          "a day of high emotion"))
            << c.day;
    }
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
        EXPECT_EQ(NavigationAllowed(c.first, "C:\\Program Files\\Oracline\\"), c.second) << '"' << c.first << '"';

    // A page file edited to redirect out of its folder is shown, not followed.
    TempDir dir;
    std::filesystem::create_directory(dir.path("in"));
    for (const std::string& target : {"..\\x.htm"s, "../x.htm"s, "\\\\host\\share\\x.htm"s, dir.Write("x.htm", "x")}) {
        PageDocument page;
        std::string shown;
        EXPECT_TRUE(LoadPageFile(dir.Write("in/a.htm", "<META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + target + "\">"), page, shown));
        EXPECT_EQ(shown, dir.path("in/a.htm")) << target;
    }
}

}  // namespace
