#include "engine/PersonalNumbers.h"

#include "base/Calendar.h"
#include "engine/DigitRules.h"
#include "base/Int32.h"

namespace {

int DateNumber(int month, int day, int year)
{
    return TripleNumber(ReduceNumber(month), ReduceNumber(day), YearDigit(year));
}

}  // namespace

void ComputeNumbers(Profile& p)
{
    // The order of the steps matters: each adjustment sees the results of
    // the ones before it.
    p.ownNumber = DateNumber(p.yourMonth, p.yourDate, p.yourYear);

    p.motherNumber = p.useMotherBirthday ? DateNumber(p.motherMonth, p.motherDate, p.motherYear) : 3;
    p.fatherNumber = p.useFatherBirthday ? DateNumber(p.fatherMonth, p.fatherDate, p.fatherYear) : 1;

    if (p.ownNumber == 9 && p.motherNumber == 9)
        p.motherNumber = 8;
    if (p.ownNumber == 9 && p.fatherNumber == 9)
        p.fatherNumber = 7;
    if (p.ownNumber == p.motherNumber)
        p.motherNumber = ReduceNumber(p.ownNumber + p.motherNumber);
    if (p.ownNumber == p.fatherNumber)
        p.fatherNumber = ReduceNumber(p.ownNumber + p.fatherNumber);
    if (p.motherNumber == p.fatherNumber)
        p.fatherNumber = ReduceNumber(p.motherNumber + p.fatherNumber);

    int bad;
    if (p.manualCalibration) {
        p.goodNumber = DateNumber(p.goodMonth, p.goodDate, p.goodYear);
        bad = DateNumber(p.badMonth, p.badDate, p.badYear);
    } else {
        p.goodNumber = ReduceNumber(p.ownNumber + p.motherNumber);
        bad = p.ownNumber > p.fatherNumber ? p.ownNumber - p.fatherNumber : p.fatherNumber - p.ownNumber;
    }

    p.badNumber = bad;
    if (bad == p.ownNumber || bad == p.motherNumber || bad == p.goodNumber)
        p.badNumber = ReduceNumber(2 * bad);

    if (p.fatherNumber == p.ownNumber || p.fatherNumber == p.motherNumber || p.fatherNumber == p.goodNumber)
        p.fatherNumber = ReduceNumber(2 * p.fatherNumber);

    int days = DayCount(p.yourMonth, p.yourDate, p.yourYear, p.analysisMonth, p.analysisDay, p.analysisYear);
    p.hourCount = Wrap32(24LL * days);
}
