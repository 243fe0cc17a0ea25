#include "app/ReleaseDate.h"

#include <gtest/gtest.h>

TEST(ReleaseDate, CompilerDateBecomesMonthDayYear)
{
    EXPECT_EQ(ReleaseDateText("Sep  1 2005"), "9/1/2005");
    EXPECT_EQ(ReleaseDateText("Dec 17 2026"), "12/17/2026");
    EXPECT_EQ(ReleaseDateText("Foo  1 2005"), "");
    EXPECT_EQ(ReleaseDateText(""), "");
    EXPECT_FALSE(ReleaseDateText(__DATE__).empty());
}
