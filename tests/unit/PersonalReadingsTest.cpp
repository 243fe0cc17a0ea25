#include "engine/PersonalReadings.h"

#include "engine/PersonalNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

Profile JaneDoe(int year, int month, int day)
{
    Profile p;
    p.fullName = "Jane Doe";
    p.yourMonth = 7, p.yourDate = 15, p.yourYear = 1970;
    p.analysisYear = year, p.analysisMonth = month, p.analysisDay = day;
    ComputeNumbers(p);
    return p;
}

TEST(PersonalReadings, LotteryNumbers)
{
    EXPECT_EQ(LotteryNumbers(JaneDoe(2005, 9, 9)), "Lottery Numbers: 2  10  24  32  53  21 ");
    // Even month with a day bonus: b = Y(2020) + 8 = 10, a = 84.
    EXPECT_EQ(LotteryNumbers(JaneDoe(2005, 10, 5)), "Lottery Numbers: 3  12  25  34  54  23 ");

    // Whatever the name and date, each number stays within 1 .. limit - 1.
    const int limits[6] = {10, 20, 30, 40, 55, 30};
    for (const char* name : {"", "Jane Doe", "Zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz"}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                Profile p = JaneDoe(1999 + day, month, day);
                p.fullName = name;
                std::istringstream numbers(LotteryNumbers(p).substr(17));
                for (int i = 0, n = 0; i < 6 && numbers >> n; ++i) {
                    EXPECT_GE(n, 1);
                    EXPECT_LT(n, limits[i]) << name << " " << month << "/" << day << " number " << i;
                }
            }
        }
    }
}

TEST(PersonalReadings, NameValueAndFoldNumber)
{
    const std::pair<const char*, int> names[] = {{"Jane Doe", 54}, {"jane DOE", 54}, {"", 0}, {"  -.,;0", 0},
                                                 {"\xC9\xE9\xFF", 0}, {"Zz", 52}, {"a1b9", 13}};
    for (const auto& c : names)
        EXPECT_EQ(NameValue(c.first), c.second) << c.first;

    const int folds[][3] = {{0, 10, 1},   {10, 10, 1},  {9, 10, 9},   {60, 30, 20},  {54, 55, 54},
                            {55, 55, 45}, {99, 55, 49}, {30, 30, 20}, {-7, 10, -7}, {INT_MAX, 20, 17}};
    for (const auto& c : folds)
        EXPECT_EQ(FoldNumber(c[0], c[1]), c[2]) << c[0] << " below " << c[1];
}

TEST(PersonalReadings, DayClassPrecedence)
{
    struct Case {
        int own, mother, good, father, bad;
        const char* day;
        const char* evilEye;
    } cases[] = {
        // The analysed date has day number 5.
        {5, 0, 0, 0, 0, "Good Day", "Not susceptible to the Evil Eye"},
        {0, 5, 0, 0, 0, "Good Day", "Not susceptible to the Evil Eye"},
        {0, 0, 5, 0, 5, "Good Day", "Not susceptible to the Evil Eye"},
        {0, 0, 0, 5, 5, "Normal Day", "Susceptible to the Evil Eye"},
        {0, 0, 0, 0, 5, "Bad Day", "Someone put the Evil Eye on you"},
        {0, 0, 0, 0, 0, "Normal Day", "Susceptible to the Evil Eye"},
    };
    for (const Case& c : cases) {
        Profile p;
        p.analysisYear = 2005, p.analysisMonth = 9, p.analysisDay = 9;
        p.ownNumber = c.own, p.motherNumber = c.mother, p.goodNumber = c.good;
        p.fatherNumber = c.father, p.badNumber = c.bad;
        EXPECT_EQ(DayReading(p), std::string("Day Reading: ") + c.day);
        EXPECT_EQ(EvilEyeReading(p), std::string("Evil Eye Reading: ") + c.evilEye);
    }
}

TEST(PersonalReadings, ZodiacAndMonthNames)
{
    struct Case {
        int month, day;
        const char* sign;
    } signs[] = {{1, 20, "Capricorn"},  {1, 21, "Aquarius"}, {2, 19, "Aquarius"},  {2, 20, "Pisces"},
                 {12, 21, "Sagittarius"}, {12, 22, "Capricorn"}, {0, 10, nullptr}, {13, 10, nullptr}};
    for (const Case& c : signs) {
        Profile p;
        p.yourMonth = c.month, p.yourDate = c.day;
        EXPECT_EQ(ZodiacSign(p), c.sign ? std::string("Zodiac Sign: ") + c.sign : "") << c.month << "/" << c.day;
    }

    const std::pair<int, const char*> months[] = {
        {1, "January "}, {11, "November "}, {12, "December "}, {0, "December "}, {INT_MIN, "December "}};
    for (const auto& c : months)
        EXPECT_EQ(MonthName(c.first), c.second) << c.first;
}

}  // namespace
