#include "engine/Cycles.h"

#include "engine/DigitRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

Profile AtHour(int h)
{
    Profile p;
    p.hourCount = h;
    return p;
}

TEST(Cycles, DayByDayFromBirth)
{
    struct Run {
        const char* name;
        int (*reading)(const Profile&);
        std::vector<int> days;
    } runs[] = {
        {"Emotional", EmotionalReading,
         {50, 57, 64, 71, 78, 85, 93, 100, 93, 85, 78, 71, 64, 57, 49, 42, 35, 28, 21, 14, 7, 1, 7, 14, 21, 28, 35, 42,
          50, 57, 64}},
        {"Physical", PhysicalReading,
         {50, 60, 70, 80, 90, 100, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 1, 1, 10, 20, 30, 40, 50, 50}},
        {"Intellectual", IntellectualReading,
         {50, 56, 62, 68, 74, 80, 86, 93, 100, 93, 86, 80, 74, 68, 62, 56, 50,
          44, 38, 31, 24, 18, 12, 6, 1, 1, 12, 18, 24, 31, 38, 44, 50, 50}},
    };
    for (const Run& run : runs)
        for (std::size_t day = 0; day < run.days.size(); ++day)
            EXPECT_EQ(run.reading(AtHour(24 * static_cast<int>(day))), run.days[day]) << run.name << " day " << day;
}

TEST(Cycles, HoursBetweenDaysAndBeforeBirth)
{
    const int cases[][4] = {
        // hour count, emotional, physical, intellectual
        {138, 93, 100, 86}, {145, 100, 90, 93}, {199, 85, 70, 93},
        {276, 64, 50, 74},  // a full half-period is not reduced: rest column
        {277, 64, 40, 74},  {397, 28, 1, 44}, {INT_MAX, 93, 40, 93},
        // Before the birth date every count lands just below the middle.
        {-1, 42, 40, 44},   {-100000, 42, 40, 44}, {INT_MIN, 42, 40, 44},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EmotionalReading(AtHour(c[0])), c[1]) << c[0];
        EXPECT_EQ(PhysicalReading(AtHour(c[0])), c[2]) << c[0];
        EXPECT_EQ(IntellectualReading(AtHour(c[0])), c[3]) << c[0];
    }
}

TEST(Cycles, IntuitionAndFortuneByFirstMatchingNumber)
{
    enum { Own = 1, Mother = 2, Good = 4, Father = 8, Bad = 16 };
    const int cases[][4] = {
        // numbers equal to the day number, day of September 2005, intuition, fortune
        {Own, 9, 80, 20},          {Mother, 12, 90, 30},     {Good, 10, 60, 40},
        {Good | Father | Bad, 12, 70, 50},                   {Father, 10, 40, 60},
        {Father | Bad, 12, 50, 70}, {Bad, 10, 20, 80},       {Bad, 12, 30, 90},
        {0, 9, 10, 10},
    };
    for (const auto& c : cases) {
        Profile p;
        p.analysisYear = 2005, p.analysisMonth = 9, p.analysisDay = c[1];
        const int n = DayNumber(c[1], 9, 2005);
        int* fields[] = {&p.ownNumber, &p.motherNumber, &p.goodNumber, &p.fatherNumber, &p.badNumber};
        for (int bit = 0; bit < 5; ++bit)
            if (c[0] & (1 << bit))
                *fields[bit] = n;
        EXPECT_EQ(IntuitionReading(p), c[2]) << "mask " << c[0] << " day " << c[1];
        EXPECT_EQ(FortuneReading(p), c[3]) << "mask " << c[0] << " day " << c[1];
    }
}

}  // namespace
