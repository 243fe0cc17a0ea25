#include "engine/DayCount.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DayCount, FollowsTheFixedFormulaNotTheCalendar)
{
    const int cases[][7] = {
        {7, 15, 1970, 9, 9, 2005, 12839},
        {7, 15, 1970, 7, 15, 1970, 0},
        {9, 9, 2005, 7, 15, 1970, -12830},  // no leap days counted backwards
        {1, 1, 1972, 1, 1, 1972, 1},        // a year divisible by 4 counts even within itself
        {1, 1, 1900, 1, 1, 1901, 366},      // no century rule
        {2, 28, 2003, 3, 1, 2003, 3},       // a month step is 30 days plus a correction
        {1, 31, 2001, 2, 1, 2001, -2},
        {0, 5, 2001, 13, 5, 2001, 392},     // months beyond 1..12 keep the last correction
        // Extreme years: the exact value modulo 2^32, in constant time.
        {1, 1, 1900, 1, 1, INT_MAX, -1611307076},
        {1, 1, INT_MIN, 12, 31, INT_MAX, 1073741821},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayCount(c[0], c[1], c[2], c[3], c[4], c[5]), c[6])
            << c[0] << "/" << c[1] << "/" << c[2] << " -> " << c[3] << "/" << c[4] << "/" << c[5];
}

TEST(DaysInMonth, AppliesTheMonthRuleToEveryYearFrom1900)
{
    const int cases[][3] = {{2, 2024, 29}, {2, 2023, 28}, {2, 2100, 29}, {2, 1900, 29}, {4, 2030, 30},
                            {11, 3000, 30}, {1, 2200, 31}, {2, 1899, 31}, {13, 2000, 31}, {0, 2000, 31}};
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

}  // namespace
