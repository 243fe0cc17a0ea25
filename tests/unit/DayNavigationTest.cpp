#include "daily/DayNavigation.h"

#include "daily/DailyMessages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

void UseTimeZone(const char* zone)
{
    setenv("TZ", zone, 1);
    tzset();
}

std::string Text(const CivilDate& d)
{
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

// Month and year ends, leap days, and the days around daylight-saving
// changes in zones that change at 2 o'clock and at midnight.
TEST(DayNavigation, NeighbouringDaysInEveryZone)
{
    const struct {
        CivilDate day, before, after;
    } cases[] = {
        {{2005, 9, 9}, {2005, 9, 8}, {2005, 9, 10}},
        {{2005, 1, 1}, {2004, 12, 31}, {2005, 1, 2}},
        {{2005, 12, 31}, {2005, 12, 30}, {2006, 1, 1}},
        {{2005, 3, 1}, {2005, 2, 28}, {2005, 3, 2}},
        {{2004, 3, 1}, {2004, 2, 29}, {2004, 3, 2}},
        {{2000, 2, 28}, {2000, 2, 27}, {2000, 2, 29}},
        {{2005, 4, 30}, {2005, 4, 29}, {2005, 5, 1}},
        {{1971, 1, 1}, {1970, 12, 31}, {1971, 1, 2}},
        {{2005, 4, 3}, {2005, 4, 2}, {2005, 4, 4}},
        {{2005, 10, 30}, {2005, 10, 29}, {2005, 10, 31}},
        {{2005, 10, 16}, {2005, 10, 15}, {2005, 10, 17}},
        {{2006, 2, 25}, {2006, 2, 24}, {2006, 2, 26}},
        {{2006, 2, 26}, {2006, 2, 25}, {2006, 2, 27}},
        {{2037, 12, 31}, {2037, 12, 30}, {2038, 1, 1}},
    };
    const char* own = std::getenv("TZ");
    const std::string ownZone = own ? own : "";
    for (const char* zone : {"UTC", "America/New_York", "America/Sao_Paulo", "Australia/Lord_Howe", "Asia/Tokyo"}) {
        UseTimeZone(zone);
        for (const auto& c : cases) {
            EXPECT_EQ(Text(DayBefore(c.day)), Text(c.before)) << zone << " before " << Text(c.day);
            EXPECT_EQ(Text(DayAfter(c.day)), Text(c.after)) << zone << " after " << Text(c.day);
        }
    }
    if (own)
        UseTimeZone(ownZone.c_str());
    else {
        unsetenv("TZ");
        tzset();
    }
}

TEST(DayNavigation, StepsAlwaysStartFromTheOpeningDate)
{
    DayNavigation nav({2005, 12, 31});
    struct Step {
        char button;  // P(rev), N(ext), W (now)
        CivilDate shown;
        bool prev, next, now, hourly;
    } steps[] = {
        {'P', {2005, 12, 30}, false, true, true, false},
        {'N', {2006, 1, 1}, true, false, true, false},  // two days after the day shown before
        {'W', {2005, 12, 31}, true, true, false, true},
        {'N', {2006, 1, 1}, true, false, true, false},
        {'N', {2006, 1, 1}, true, false, true, false},  // never further than one day
    };
    const DailyButtons& start = nav.Buttons();
    EXPECT_TRUE(start.prevDay && start.nextDay && start.hourly);
    EXPECT_FALSE(start.now);
    for (const Step& s : steps) {
        const char* refusal = s.button == 'P' ? nav.PrevDay() : s.button == 'N' ? nav.NextDay() : nullptr;
        if (s.button == 'W')
            nav.Now();
        EXPECT_EQ(refusal, nullptr);
        EXPECT_EQ(Text(nav.ShownDate()), Text(s.shown)) << s.button;
        EXPECT_EQ(Text(nav.BaseDate()), "2005-12-31");
        const DailyButtons& b = nav.Buttons();
        EXPECT_EQ(b.prevDay, s.prev) << s.button;
        EXPECT_EQ(b.nextDay, s.next) << s.button;
        EXPECT_EQ(b.now, s.now) << s.button;
        EXPECT_EQ(b.hourly, s.hourly) << s.button;
    }
}

TEST(DayNavigation, DatesBefore1971StayPut)
{
    DayNavigation nav({1970, 6, 15});
    const auto off = [&nav] {
        const DailyButtons& b = nav.Buttons();
        return !b.prevDay && !b.nextDay && !b.now && !b.hourly;
    };
    EXPECT_TRUE(off());
    EXPECT_STREQ(nav.PrevDay(), "The Prev Day button does not calculate dates before 1971.     ");
    EXPECT_STREQ(nav.NextDay(), "The Next Day button does not calculate dates before 1971.     ");
    nav.Now();
    EXPECT_EQ(Text(nav.ShownDate()), "1970-6-15");
    EXPECT_TRUE(off());

    DayNavigation first({1971, 1, 1});
    EXPECT_EQ(first.PrevDay(), nullptr);
    EXPECT_EQ(Text(first.ShownDate()), "1970-12-31");
}

}  // namespace
