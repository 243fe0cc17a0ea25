#include "engine/DigitRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DigitRules, Reductions)
{
    const int reduce[][2] = {{0, 0}, {-5, -5}, {9, 9}, {10, 1}, {18, 9}, {19, 1}, {28, 1}, {31, 4}, {32, 32}};
    for (const auto& c : reduce)
        EXPECT_EQ(ReduceNumber(c[0]), c[1]) << c[0];

    const int year[][2] = {{1899, 1}, {1900, 1}, {1909, 9}, {1910, 1}, {1970, 7},
                           {2000, 1}, {2005, 5}, {2099, 9}, {2100, 1}, {INT_MIN, 1}};
    for (const auto& c : year)
        EXPECT_EQ(YearDigit(c[0]), c[1]) << c[0];
}

TEST(DigitRules, TripleAndDayNumbers)
{
    // TripleNumber turns every sum outside 10..27 into 1; DayNumber keeps a
    // small sum and reduces only 10..31.
    const int triple[][4] = {{1, 1, 1, 1}, {2, 3, 4, 1}, {9, 9, 9, 9}, {1, 9, 9, 1},
                             {3, 4, 5, 3}, {9, 9, 8, 8}, {9, 9, 10, 1}, {-1, 9, 9, 8}};
    for (const auto& c : triple)
        EXPECT_EQ(TripleNumber(c[0], c[1], c[2]), c[3]) << c[0] << "+" << c[1] << "+" << c[2];

    const int day[][4] = {{9, 9, 2005, 5}, {1, 1, 1900, 3}, {31, 12, 2099, 7}, {15, 7, 1970, 2}, {40, 13, 2000, 45}};
    for (const auto& c : day)
        EXPECT_EQ(DayNumber(c[0], c[1], c[2]), c[3]) << c[0] << "/" << c[1] << "/" << c[2];
}

TEST(DigitRules, HugeFileValuesWrapInsteadOfOverflowing)
{
    EXPECT_EQ(TripleNumber(INT_MAX, INT_MAX, 20), 9);  // wraps to 18
    EXPECT_EQ(DayNumber(INT_MAX, 9, 2005), INT_MIN + 13);
}

}  // namespace
