#include "engine/Cycles.h"
#include "engine/DailyReadingSet.h"
#include "engine/DailySeries.h"
#include "engine/DigitRules.h"
#include "engine/PersonalNumbers.h"
#include "engine/PersonalReadings.h"
#include "profiles/ProfileFileReadings.h"

#include "TestSupport.h"

#include <climits>
#include <map>
#include <vector>

namespace {

// Each cycle hour by hour from just before birth through one and a half
// periods, as runs of equal values ("from..to value"), so every column of
// the tables shows where it begins and ends; the counts at the ends of the
// int range land in their columns too.
TEST(Cycles, HourByHourFromBeforeBirthThroughOneAndAHalfPeriods)
{
    const struct { const char* name; int (*reading)(const Profile&); int halfPeriod; } cycles[] = {
        {"Emotional", EmotionalReading, 336}, {"Physical", PhysicalReading, 276}, {"Intellectual", IntellectualReading, 396}};
    std::string runs;
    for (const auto& c : cycles) {
        const auto at = [&](int hourCount) { Profile p; return p.hourCount = hourCount, c.reading(p); };
        runs += std::string(c.name) + "\n";
        const int last = 3 * c.halfPeriod;
        for (int from = -2, to = from; from <= last; from = ++to) {
            while (to < last && at(to + 1) == at(from))
                ++to;
            runs += std::to_string(from) + (to > from ? ".." + std::to_string(to) : "") + " " + std::to_string(at(from)) + "\n";
        }
        runs += "INT_MIN " + std::to_string(at(INT_MIN)) + ", INT_MAX " + std::to_string(at(INT_MAX)) + "\n";
    }
    ExpectGolden("cycles.txt", runs);
}

// The first number equal to the day number decides the intuition, fortune
// and the day: G(ood), N(ormal) or B(ad), each with its Evil Eye reading.
TEST(PersonalReadings, IntuitionFortuneAndDayByFirstMatchingNumber)
{
    enum { Own = 1, Mother = 2, Good = 4, Father = 8, Bad = 16 };
    const struct { int mask, day, intuition, fortune; char dayClass; } cases[] = {
        // numbers equal to the day number, day of September 2005, intuition, fortune, day
        {Own, 9, 80, 20, 'G'},           {Mother, 12, 90, 30, 'G'},  {Good, 10, 60, 40, 'G'},
        {Good | Father | Bad, 12, 70, 50, 'G'},                      {Father, 9, 40, 60, 'N'},
        {Father | Bad, 12, 50, 70, 'N'}, {Bad, 10, 20, 80, 'B'},     {Bad, 12, 30, 90, 'B'}, {0, 9, 10, 10, 'N'},
    };
    const std::map<char, std::string> days = {
        {'G', "Good Day / Evil Eye Reading: Not susceptible to the Evil Eye"}, {'N', "Normal Day / Evil Eye Reading: Susceptible to the Evil Eye"},
        {'B', "Bad Day / Evil Eye Reading: Someone put the Evil Eye on you"}};
    for (const auto& c : cases) {
        Profile p;
        p.analysisYear = 2005, p.analysisMonth = 9, p.analysisDay = c.day;
        const int n = DayNumber(p.AnalysisDate());
        int* fields[] = {&p.ownNumber, &p.motherNumber, &p.goodNumber, &p.fatherNumber, &p.badNumber};
        for (int bit = 0; bit < 5; ++bit)
            if (c.mask & (1 << bit))
                *fields[bit] = n;
        SCOPED_TRACE("mask " + std::to_string(c.mask) + " day " + std::to_string(c.day));
        EXPECT_EQ(std::make_pair(IntuitionReading(p), FortuneReading(p)), std::make_pair(c.intuition, c.fortune));
        EXPECT_EQ(DayReading(p) + " / " + EvilEyeReading(p), "Day Reading: " + days.at(c.dayClass));
    }
}

TEST(PersonalReadings, NameValueDayBonusFoldSoulNumberAndMonthName)
{
    // The bytes just outside a-z, A-Z and 1-9 count nothing.
    const std::pair<const char*, int> names[] = {{"Jane Doe", 54}, {"jane DOE", 54}, {"  -.,;0:@[`{", 0},
                                                 {"\xC9\xE9\xFF", 0}, {"AZaz", 54}, {"a1b9", 13}};
    for (const auto& c : names)
        EXPECT_EQ(NameValue(c.first), c.second) << c.first;

    // Days of the month 0 to 32.
    const int bonus[] = {0, 2, 0, 0, 1, 8, 0, 5, 0, 0, 0, 3, 0, 0, 4, 0, 0, 0, 3, 1, 0, 0, 0, 9, 7, 0, 0, 0, 4, 0, 5, 7, 0};
    for (int day = 0; day < 33; ++day)
        EXPECT_EQ(DayBonus(day), bonus[day]) << day;

    // Below 100 only the first fold, into 45..54, shows.
    const int folds[][3] = {{0, 10, 1},    {10, 10, 1},   {9, 10, 9},    {60, 30, 20},   {39, 30, 29},
                            {54, 55, 54},  {55, 55, 45},  {99, 55, 49},  {55, 100, 45},  {64, 100, 54},
                            {99, 100, 49}, {-7, 10, -7},  {INT_MAX, 20, 17}};
    for (const auto& c : folds)
        EXPECT_EQ(FoldNumber(c[0], c[1]), c[2]) << c[0] << " below " << c[1];

    const std::pair<int, const char*> souls[] = {{-1, ""}, {0, "Soul Number: 0"}, {9, "Soul Number: 9"}, {10, ""}};
    for (const auto& c : souls) {
        Profile p;
        p.ownNumber = c.first;
        EXPECT_EQ(SoulNumber(p), c.second) << c.first;
    }

    const std::pair<int, const char*> months[] = {{1, "January "}, {11, "November "}, {12, "December "}, {0, "December "}, {INT_MIN, "December "}};
    for (const auto& c : months)
        EXPECT_EQ(MonthName(c.first), c.second) << c.first;
}

TEST(DigitRules, Reductions)
{
    const int reduce[][2] = {{0, 0}, {-5, -5}, {9, 9}, {10, 1}, {19, 1}, {28, 1}, {31, 4}, {32, 32}};
    for (const auto& c : reduce)
        EXPECT_EQ(ReduceNumber(c[0]), c[1]) << c[0];

    const int year[][2] = {{1899, 1}, {1900, 1}, {1909, 9}, {1910, 1}, {1970, 7}, {1999, 9}, {2005, 5}, {2100, 1}, {INT_MIN, 1}};
    for (const auto& c : year)
        EXPECT_EQ(YearDigit(c[0]), c[1]) << c[0];

    // TripleNumber turns every sum outside 10..27 into 1; DayNumber keeps a
    // small sum and reduces only 10..31. Huge file values wrap, not overflow.
    const int triple[][4] = {{1, 1, 1, 1}, {2, 3, 4, 1}, {9, 9, 9, 9}, {1, 9, 9, 1},
                             {9, 9, 8, 8}, {9, 9, 10, 1}, {-1, 9, 9, 8}, {INT_MAX, INT_MAX, 20, 9}};
    for (const auto& c : triple)
        EXPECT_EQ(TripleNumber(c[0], c[1], c[2]), c[3]) << c[0] << "+" << c[1] << "+" << c[2];

    const int day[][4] = {{9, 9, 2005, 5}, {1, 1, 1900, 3}, {31, 12, 2099, 7}, {40, 13, 2000, 45}, {INT_MAX, 9, 2005, INT_MIN + 13}};
    for (const auto& c : day)
        EXPECT_EQ(DayNumber({c[2], c[1], c[0]}), c[3]) << c[0] << "/" << c[1] << "/" << c[2];
}

TEST(PersonalNumbers, AdjustmentsRunInOrder)
{
    // Month, day, year of own, mother, father, good and bad; a month of 0
    // leaves the group off (mother, father) or the calibration automatic. A
    // group that is off keeps 1/1/1900, whose number 1 differs from the
    // stand-ins 3 and 1 wherever it would matter.
    const struct { const char* what; int dates[5][3]; int numbers[5]; /* own, mother, father, good, bad */ } cases[] = {
        {"July 15, 1970, automatic", {{7, 15, 1970}}, {2, 3, 1, 5, 1}}, {"all nines", {{9, 9, 1909}, {9, 9, 1909}, {9, 9, 1909}}, {9, 8, 7, 8, 2}},
        {"mother equal to own is doubled", {{7, 15, 1970}, {2, 2, 1907}}, {2, 4, 1, 6, 1}},
        // father 3 meets mother 3 -> 6; bad 2 meets own -> 4; father 6 then
        // meets good 6 -> 3, equal to the mother's number after all.
        {"manual, every clash", {{7, 15, 1970}, {}, {3, 3, 1906}, {6, 6, 1903}, {1, 1, 1909}}, {2, 3, 3, 6, 4}},
        {"defaults", {{1, 1, 1900}}, {1, 3, 2, 4, 2}}, {"own nine alone keeps the mother's 3", {{9, 9, 1909}}, {9, 3, 1, 3, 8}},
        {"own and father nine, mother not given", {{9, 9, 1909}, {}, {9, 9, 1909}}, {9, 3, 7, 3, 2}},
        // father 2 meets mother 2 -> 4, which meets own 4 -> 8; bad |4 - 4|.
        {"father doubled twice", {{1, 3, 1909}, {1, 1, 1909}, {1, 1, 1909}}, {4, 2, 8, 6, 0}},
        {"bad meets the mother's number alone", {{1, 4, 1909}, {}, {1, 1, 1909}}, {5, 3, 2, 8, 6}},
    };
    int Profile::*const fields[5][3] = {{&Profile::yourMonth, &Profile::yourDate, &Profile::yourYear},
                                        {&Profile::motherMonth, &Profile::motherDate, &Profile::motherYear},
                                        {&Profile::fatherMonth, &Profile::fatherDate, &Profile::fatherYear},
                                        {&Profile::goodMonth, &Profile::goodDate, &Profile::goodYear},
                                        {&Profile::badMonth, &Profile::badDate, &Profile::badYear}};
    for (const auto& c : cases) {
        Profile p;
        for (int group = 0; group < 5; ++group)
            for (int k = 0; k < 3 && c.dates[group][0] != 0; ++k)
                p.*fields[group][k] = c.dates[group][k];
        p.useMotherBirthday = c.dates[1][0] != 0, p.useFatherBirthday = c.dates[2][0] != 0, p.manualCalibration = c.dates[3][0] != 0;
        p.analysisYear = 2005, p.analysisMonth = 9, p.analysisDay = 9;
        ComputeNumbers(p);
        EXPECT_EQ(std::vector<int>({p.ownNumber, p.motherNumber, p.fatherNumber, p.goodNumber, p.badNumber}),
                  std::vector<int>(c.numbers, c.numbers + 5)) << c.what;
    }
}

Profile JaneDoe()
{
    Profile p;
    return p.fullName = "Jane Doe", p.yourMonth = 7, p.yourDate = 15, p.yourYear = 1970, p;
}

const CivilDate kNinth{2005, 9, 9};
const std::string kJaneTitle = "September 9, 2005  - Jane Doe -  Automatic Calibration";

// The set shows the cycle's 100 as 99; the plain text keeps it.
TEST(DailyReadingSet, JaneDoeAndTheLotteryOnSeveralDays)
{
    DailyReadingSet set;
    ComputeDailySet(JaneDoe(), kNinth, set);
    std::string listing = set.Title + "\n";
    for (int reading : {set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune})
        listing += std::to_string(reading) + " ";
    for (const std::string& line : {set.DayReadingLine, set.EvilEyeLine, set.LotteryLine, set.SoulNumberLine, set.ZodiacLine})
        listing += "\n" + line;
    // Lottery numbers on days that fold each number near its limit; a
    // nameless profile has small ones.
    for (const CivilDate& day : {CivilDate{2005, 10, 5}, {2005, 1, 1}, {2005, 1, 5}, {2005, 1, 6}, {2005, 1, 16}})
        ComputeDailySet(JaneDoe(), day, set), listing += "\n" + set.LotteryLine;
    ComputeDailySet(Profile(), {2005, 3, 5}, set);
    ExpectGolden("daily-set.txt", listing + "\n" + set.LotteryLine + "\n" + ComposeDailyText(JaneDoe(), kNinth));
}

TEST(DailyReadingSet, SingleReadingsAndTitlesNamingPersonAndCalibration)
{
    const struct { int kind, day, value; const char* suffix; } cases[] = {
        {1, 9, 42, "   Reading - Emotional"},   {2, 9, 100, "   Reading - Physical"},  // no upper clamp
        {3, 9, 62, "   Reading -Intellectual"}, {4, 9, 70, "   Reading - Intuition"}, {5, 9, 50, "   Reading - Fortune"},
        {1, 15, 1, "   Reading - Emotional"},  // another day, titled with the shown one
        {0, 9, 3, ""},                          {6, 9, 3, ""},
    };
    for (const auto& c : cases) {
        std::string title;
        EXPECT_EQ(ComputeSingleReading(c.kind, JaneDoe(), {2005, 9, c.day}, kNinth, title), c.value) << c.kind;
        EXPECT_EQ(title, "Hourly Analysis - " + kJaneTitle + c.suffix) << c.kind;
    }

    // No reading is 0 or less today; should one ever be, its bar shows 3.
    const int shown[][2] = {{INT_MIN, 3}, {0, 3}, {1, 1}, {2, 2}, {99, 99}, {100, 99}, {INT_MAX, 99}};
    for (const auto& c : shown)
        EXPECT_EQ(ClampForDisplay(c[0]), c[1]) << c[0];

    Profile manual = JaneDoe();
    manual.manualCalibration = true;
    DailyReadingSet set;
    ComputeDailySet(manual, {1999, 12, 31}, set);
    EXPECT_EQ(set.Title, "Daily Analysis - December 31, 1999  - Jane Doe -  Manual Calibration");

    // A missing file is the default person; an empty path changes nothing.
    TempDir dir;
    ComputeDailySetOfFile(dir.path("missing.ini"), {1999, 12, 31}, set);
    EXPECT_EQ(set.Title, "Daily Analysis - December 31, 1999  -  -  Automatic Calibration");
    ComputeDailySetOfFile("", kNinth, set);
    std::string title = "keep";
    EXPECT_TRUE(ComputeSingleReading(2, "", kNinth, kNinth, title) == 3 && set.Title + title == "Daily Analysis - December 31, 1999  -  -  Automatic Calibrationkeep");
    const std::string path = dir.Write("Me.ini", "Name:Jane Doe\nYourMonth:7\nYourDate:15\nYourYear:1970\n");
    EXPECT_EQ(ComposeDailyText(path, FixedClock(kNinth)), ComposeDailyText(JaneDoe(), kNinth));
}

// The days follow the real calendar through a leap day, a century year
// without one and a year end, each with its daily set's values; a count
// outside 1 to 366 gives nothing.
TEST(DailySeries, RealDaysWithTheirDailySets)
{
    const struct { CivilDate start; int days; const char* dates; } cases[] = {
        {{2024, 2, 27}, 4, "2024-2-27 2024-2-28 2024-2-29 2024-3-1"}, {{2100, 2, 28}, 2, "2100-2-28 2100-3-1"},
        {{2026, 12, 30}, 3, "2026-12-30 2026-12-31 2027-1-1"}, {{2026, 12, 30}, 1, "2026-12-30"}, {{2026, 12, 30}, 0, ""}, {{2026, 12, 30}, 367, ""},
    };
    for (const auto& c : cases) {
        std::string dates;
        for (const SeriesDay& day : ComputeDailySeries(JaneDoe(), c.start, c.days)) {
            const CivilDate& d = day.date;
            dates += (dates.empty() ? "" : " ") + std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
            DailyReadingSet set;
            ComputeDailySet(JaneDoe(), d, set);
            EXPECT_EQ(std::vector<int>(day.readings, day.readings + 5),
                      std::vector<int>({set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune}));
            EXPECT_EQ("Day Reading: " + day.dayReading, set.DayReadingLine);
        }
        EXPECT_EQ(dates, c.dates);
    }
    EXPECT_EQ(ComputeDailySeries(JaneDoe(), kNinth, 366).size(), 366u);
}

}  // namespace
