#include "app/OperatingSystemName.h"

#include <gtest/gtest.h>

TEST(OperatingSystemName, MapsEveryKnownVersionAndNothingElse)
{
    struct Case {
        int platform, major, minor;
        const char* name;
    };
    const Case cases[] = {
        {0, 3, 10, "32"}, {1, 4, 0, "95"},  {1, 4, 10, "98"},  {1, 4, 90, "ME"},
        {1, 4, 3, ""},    {1, 5, 0, ""},    {2, 3, 51, "NT"},  {2, 4, 0, "NT"},
        {2, 5, 0, "2000"}, {2, 5, 1, "XP"}, {2, 5, 2, "XP"},   {2, 6, 1, ""},
        {2, 10, 0, ""},   {3, 5, 1, ""},    {-1, 4, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OperatingSystemName(c.platform, c.major, c.minor), c.name)
            << c.platform << " " << c.major << "." << c.minor;
}
