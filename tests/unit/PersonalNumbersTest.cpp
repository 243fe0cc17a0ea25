#include "engine/PersonalNumbers.h"

#include <gtest/gtest.h>

namespace {

TEST(PersonalNumbers, AdjustmentsRunInOrder)
{
    // Dates as month, day, year; a month of 0 leaves the group off (mother,
    // father) or the calibration automatic (good and bad).
    struct Case {
        const char* what;
        int own[3], mother[3], father[3], good[3], bad[3];
        int numbers[5];  // own, mother, father, good, bad
    } cases[] = {
        {"July 15, 1970, automatic", {7, 15, 1970}, {}, {}, {}, {}, {2, 3, 1, 5, 1}},
        {"all nines", {9, 9, 1909}, {9, 9, 1909}, {9, 9, 1909}, {}, {}, {9, 8, 7, 8, 2}},
        {"mother equal to own is doubled", {7, 15, 1970}, {2, 2, 1907}, {}, {}, {}, {2, 4, 1, 6, 1}},
        // father 3 meets mother 3 -> 6; bad 2 meets own -> 4; father 6 then
        // meets good 6 -> 3, equal to the mother's number after all.
        {"manual, every clash", {7, 15, 1970}, {}, {3, 3, 1906}, {6, 6, 1903}, {1, 1, 1909}, {2, 3, 3, 6, 4}},
        {"defaults", {1, 1, 1900}, {}, {}, {}, {}, {1, 3, 2, 4, 2}},
    };
    for (const Case& c : cases) {
        Profile p;
        p.yourMonth = c.own[0], p.yourDate = c.own[1], p.yourYear = c.own[2];
        // A group that is off keeps 1/1/1900, whose number 1 differs from
        // the stand-ins 3 and 1 wherever it would matter.
        p.useMotherBirthday = c.mother[0] != 0;
        if (p.useMotherBirthday)
            p.motherMonth = c.mother[0], p.motherDate = c.mother[1], p.motherYear = c.mother[2];
        p.useFatherBirthday = c.father[0] != 0;
        if (p.useFatherBirthday)
            p.fatherMonth = c.father[0], p.fatherDate = c.father[1], p.fatherYear = c.father[2];
        p.manualCalibration = c.good[0] != 0;
        if (p.manualCalibration) {
            p.goodMonth = c.good[0], p.goodDate = c.good[1], p.goodYear = c.good[2];
            p.badMonth = c.bad[0], p.badDate = c.bad[1], p.badYear = c.bad[2];
        }
        p.analysisYear = 2005, p.analysisMonth = 9, p.analysisDay = 9;
        ComputeNumbers(p);
        const int got[5] = {p.ownNumber, p.motherNumber, p.fatherNumber, p.goodNumber, p.badNumber};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(got[i], c.numbers[i]) << c.what << ", number " << i;
    }
}

}  // namespace
