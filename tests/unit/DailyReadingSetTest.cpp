#include "engine/DailyReadingSet.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const char kJaneDoe[] = "Profile:Me\r\nName:Jane Doe\r\nYourMonth:7\r\nYourDate:15\r\nYourYear:1970\r\n";
const std::string kJaneTitle = "September 9, 2005  - Jane Doe -  Automatic Calibration";

TEST(DailyReadingSet, JaneDoeOnSeptemberNinth2005)
{
    TempDir dir;
    DailyReadingSet set;
    ComputeDailySet(dir.Write("Me.ini", kJaneDoe), 2005, 9, 9, set);
    EXPECT_EQ(set.Title, "Daily Analysis - " + kJaneTitle);
    const int readings[5] = {set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune};
    const int expected[5] = {42, 99, 62, 70, 50};  // the cycle's 100 is shown as 99
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(readings[i], expected[i]) << "reading " << i;
    EXPECT_EQ(set.DayReadingLine, "Day Reading: Good Day");
    EXPECT_EQ(set.EvilEyeLine, "Evil Eye Reading: Not susceptible to the Evil Eye");
    EXPECT_EQ(set.LotteryLine, "Lottery Numbers: 2  10  24  32  53  21 ");
    EXPECT_EQ(set.SoulNumberLine, "Soul Number: 2");
    EXPECT_EQ(set.ZodiacLine, "Zodiac Sign: Cancer");
}

TEST(DailyReadingSet, TitleNamesPersonAndCalibration)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Name:Sam\nBadMonth:3\n", "Sam -  Manual Calibration"},
        {"Name:Sam\nGoodMonth:3\nGoodDate:4\n", "Sam -  Automatic Calibration"},
        {"Name:Sam\nBadMonth:\n", "Sam -  Automatic Calibration"},
        {nullptr, " -  Automatic Calibration"},  // no file: the default person
    };
    for (const auto& c : cases) {
        TempDir dir;
        DailyReadingSet set;
        ComputeDailySet(c.first ? dir.Write("p.ini", c.first) : dir.path("missing.ini"), 1999, 12, 31, set);
        EXPECT_EQ(set.Title, std::string("Daily Analysis - December 31, 1999  - ") + c.second);
    }

    DailyReadingSet untouched;
    untouched.Title = "before";
    ComputeDailySet("", 2005, 9, 9, untouched);
    EXPECT_EQ(untouched.Title, "before");
}

TEST(DailyReadingSet, SingleReadingsForTheHourlyAnalysis)
{
    TempDir dir;
    const std::string path = dir.Write("Me.ini", kJaneDoe);
    struct Case {
        int kind, day, value;
        const char* suffix;
    } cases[] = {
        {1, 9, 42, "   Reading - Emotional"},   {2, 9, 100, "   Reading - Physical"},  // no upper clamp
        {3, 9, 62, "   Reading -Intellectual"}, {4, 9, 70, "   Reading - Intuition"},
        {5, 9, 50, "   Reading - Fortune"},
        {1, 10, 35, "   Reading - Emotional"},  // the day after, titled with the shown day
        {0, 9, 3, ""},                          {6, 9, 3, ""},
    };
    for (const Case& c : cases) {
        std::string title;
        EXPECT_EQ(ComputeSingleReading(c.kind, 9, c.day, 2005, path, 2005, 9, 9, title), c.value) << c.kind;
        EXPECT_EQ(title, "Hourly Analysis - " + kJaneTitle + c.suffix) << c.kind;
    }

    std::string untouched = "keep";
    EXPECT_EQ(ComputeSingleReading(2, 9, 9, 2005, "", 2005, 9, 9, untouched), 3);
    EXPECT_EQ(untouched, "keep");
}

TEST(DailyReadingSet, PlainTextHasNineLinesOfUnclampedValues)
{
    TempDir dir;
    EXPECT_EQ(ComposeDailyText(dir.Write("Me.ini", kJaneDoe), FixedClock({2005, 9, 9})),
              "Daily Analysis - " + kJaneTitle + "\n"
              "Emotional Reading: 42%\nPhysical Reading: 100%\nIntellectual Reading: 62%\n"
              "Intuition Reading: 70%\nFortune Reading: 50%\nDay Reading: Good Day\n"
              "Evil Eye Reading: Not susceptible to the Evil Eye\n"
              "Lottery Numbers: 2  10  24  32  53  21 \n");
}

}  // namespace
