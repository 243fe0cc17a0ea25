#include "app/YearList.h"

#include <gtest/gtest.h>

TEST(YearList, RunsFromTenYearsAheadDownTo1900)
{
    YearList years(2026);
    EXPECT_EQ(years.TopYear(), 2036);
    EXPECT_EQ(years.Count(), 137);
    EXPECT_EQ(years.YearAt(0), 2036);
    EXPECT_EQ(years.YearAt(136), 1900);
    EXPECT_EQ(years.IndexOf(2026), 10);
    EXPECT_EQ(years.IndexOf(1900), 136);
    // Outside the list nothing is selected and no year is made up.
    EXPECT_EQ(years.IndexOf(1899), -1);
    EXPECT_EQ(years.IndexOf(2037), -1);
    EXPECT_EQ(years.YearAt(-1), 0);
    EXPECT_EQ(years.YearAt(137), 0);
    for (int index = 0; index < years.Count(); ++index)
        ASSERT_EQ(years.IndexOf(years.YearAt(index)), index);
}
