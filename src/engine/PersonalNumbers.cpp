#include "engine/PersonalNumbers.h"

#include "base/Calendar.h"
#include "engine/DigitRules.h"
#include "base/Int32.h"

namespace {

int DateNumber(const CivilDate& date)
{
    return TripleNumber(ReduceNumber(date.month), ReduceNumber(date.day), YearDigit(date.year));
}

}  // namespace

void ComputeNumbers(Profile& p)
{
    // The order of the steps matters: each adjustment sees the results of
    // the ones before it.
    p.ownNumber = DateNumber(p.Birthday());

    p.motherNumber = p.useMotherBirthday ? DateNumber({p.motherYear, p.motherMonth, p.motherDate}) : 3;
    p.fatherNumber = p.useFatherBirthday ? DateNumber({p.fatherYear, p.fatherMonth, p.fatherDate}) : 1;

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
        p.goodNumber = DateNumber({p.goodYear, p.goodMonth, p.goodDate});
        bad = DateNumber({p.badYear, p.badMonth, p.badDate});
    } else {
        p.goodNumber = ReduceNumber(p.ownNumber + p.motherNumber);
        bad = p.ownNumber > p.fatherNumber ? p.ownNumber - p.fatherNumber : p.fatherNumber - p.ownNumber;
    }

    p.badNumber = bad;
    if (bad == p.ownNumber || bad == p.motherNumber || bad == p.goodNumber)
        p.badNumber = ReduceNumber(2 * bad);

    if (p.fatherNumber == p.ownNumber || p.fatherNumber == p.motherNumber || p.fatherNumber == p.goodNumber)
        p.fatherNumber = ReduceNumber(2 * p.fatherNumber);

    const int days = DayCount(p.Birthday(), p.AnalysisDate());
    p.hourCount = Wrap32(24LL * days);
}
