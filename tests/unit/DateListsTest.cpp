#include "profiles/DateLists.h"
#include "profiles/SignImage.h"

#include <gtest/gtest.h>

namespace {

using namespace DateLists;

TEST(DateLists, YearListRunsFromThisYearTo1900)
{
    struct Case {
        int topYear, year, index;
    } cases[] = {
        {2025, 2025, 0}, {2025, 1900, 125}, {2025, 1970, 55},
        {2025, 2026, -1}, {2025, 1899, -1}, {2025, 0, -1},
        {1900, 1900, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(YearIndex(c.topYear, c.year), c.index) << c.topYear << " " << c.year;
        if (c.index >= 0) {
            EXPECT_EQ(YearAt(c.topYear, c.index), c.year);
        }
    }
    EXPECT_EQ(YearEntries(2025), 126);
    EXPECT_EQ(YearAt(2025, YearEntries(2025) - 1), 1900);
    // A clock that went wrong still offers 1900.
    EXPECT_EQ(TopYear(1850), 1900);
    EXPECT_EQ(TopYear(2031), 2031);
}

TEST(DateLists, MonthOutsideTheListHasNoSelection)
{
    for (int month : {0, 13, -1})
        EXPECT_EQ(MonthIndex(month), -1) << month;
    EXPECT_EQ(MonthIndex(1), 0);
    EXPECT_EQ(MonthIndex(12), 11);
    EXPECT_EQ(MonthAt(MonthIndex(7)), 7);
}

TEST(DateLists, DayListForMonthAndYear)
{
    struct Case {
        int month, year, entries;
    } cases[] = {
        {2, 1900, 29},  // the list's rule has no century exception
        {2, 2024, 29}, {2, 2023, 28}, {2, 2100, 29},
        {4, 2023, 30}, {11, 1990, 30}, {12, 1990, 31},
        {13, 1990, 31}, {0, 1990, 31}, {2, 1850, 31},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayEntries(c.month, c.year), c.entries) << c.month << "/" << c.year;
}

TEST(DateLists, StoredDayClampsToTheLastEntry)
{
    struct Case {
        int day, entries, index;
    } cases[] = {
        {31, 30, 29},  // 31 shown against April selects 30
        {30, 28, 27}, {1, 28, 0}, {28, 28, 27}, {29, 29, 28},
        {500, 31, 30}, {0, 31, -1}, {-4, 31, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DayIndex(c.day, c.entries), c.index) << c.day << " of " << c.entries;
    EXPECT_EQ(DayAt(DayIndex(31, DayEntries(4, 2001))), 30);
}

TEST(SignImage, BoundaryDaysOfEveryMonth)
{
    const std::string dir = "C:\\Program Files\\Oracline\\";
    struct Case {
        int month, lastDay;
        const char* upTo;
        const char* after;
    } cases[] = {
        {1, 20, "capricorn", "aquarius"}, {2, 19, "aquarius", "pisces"},
        {3, 20, "pisces", "aries"},       {4, 20, "aries", "taurus"},
        {5, 21, "taurus", "gemini"},      {6, 21, "gemini", "cancer"},
        {7, 22, "cancer", "leo"},         {8, 23, "leo", "virgo"},
        {9, 23, "virgo", "libra"},        {10, 23, "libra", "scorpio"},
        {11, 22, "scorpio", "sagittarius"}, {12, 21, "sagittarius", "capricorn"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SignImagePath(dir, c.month, 1), dir + c.upTo + ".gif") << c.month;
        EXPECT_EQ(SignImagePath(dir, c.month, c.lastDay), dir + c.upTo + ".gif") << c.month;
        EXPECT_EQ(SignImagePath(dir, c.month, c.lastDay + 1), dir + c.after + ".gif") << c.month;
    }
    for (int month : {0, 13, -5})
        EXPECT_EQ(SignImagePath(dir, month, 25), dir + "capricorn.gif") << month;
}

} // namespace
