#include "pages/DreamPage.h"
#include "pages/IntroductionPage.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const std::string kPrintRow = "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" "
                              "size=\"4\" face=\"Arial\"><b>Print</b></font></A>";

TEST(PageContent, IntroductionIsAWelcomePairWithoutPrintLink)
{
    TempDir dir;
    EXPECT_EQ(WriteIntroductionPage(dir.dir()), dir.path("effects.htm"));
    EXPECT_TRUE(Contains(dir.Read("effects.htm"), "URL=" + dir.path("reading.htm") + "\""));
    const std::string page = dir.Read("reading.htm");
    EXPECT_TRUE(EndsWith(page, "<tr><td>" + IntroductionContent() + "</td></tr></table><br></center></body></html>"));
    EXPECT_FALSE(Contains(page, "window.print"));
}

// Born September 2, 2005: the Emotional cycle runs 50, 57, 64, 71, ... from
// the birthday, up to 100 (shown as 99) a week later.
TEST(PageContent, DreamTimingFollowsTheDaysEmotionalReading)
{
    struct Case {
        int day;
        const char* reading;
        bool high;
    } cases[] = {
        {2, "50%", false},
        {4, "64%", false},
        {5, "71%", true},
        {9, "99%", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string profile = dir.Write("Me.ini", "Name:Jane Doe\nYourMonth:9\nYourDate:2\nYourYear:2005\n");
        EXPECT_EQ(WriteDreamPage(dir.dir(), profile, 2005, 9, c.day), dir.path("dream_e.htm"));
        EXPECT_TRUE(Contains(dir.Read("dream_e.htm"), "URL=" + dir.path("dream_r.htm") + "\""));

        const std::string page = dir.Read("dream_r.htm");
        const std::string verdict =
            "Your Emotional reading for September " + std::to_string(c.day) + ", 2005 is " + c.reading + ". ";
        EXPECT_TRUE(Contains(page, verdict)) << c.day;
        EXPECT_EQ(Contains(page, "This is a day of high emotion"), c.high) << c.day;
        EXPECT_EQ(Contains(page, "This is not a day of high emotion"), !c.high) << c.day;
        EXPECT_TRUE(EndsWith(page, kPrintRow + "</td></tr></table><p><br></center></body></html>"));
    }
}

TEST(PageContent, DreamSectionsComeInOrder)
{
    const std::string content = DreamContent(kDreamEmotionalThreshold, 2005, 12, 31);
    const std::string heading = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Dream Interpretation - ";
    const size_t suspects = content.find(heading + "The Usual Suspects</b></font><p>");
    const size_t message = content.find(heading + "The Message Inside</b></font><p>");
    const size_t timing = content.find(heading + "Timing</b></font><p>");
    const size_t verdict = content.find("December 31, 2005 is 70%. This is a day of high emotion");
    EXPECT_EQ(suspects, 0u);
    EXPECT_LT(suspects, message);
    EXPECT_LT(message, timing);
    EXPECT_NE(verdict, std::string::npos);
    EXPECT_LT(timing, verdict);
    EXPECT_TRUE(EndsWith(content, "</b></font><p>"));
}

}  // namespace
