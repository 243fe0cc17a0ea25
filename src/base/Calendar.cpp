#include "base/Calendar.h"

#include "base/Int32.h"

namespace {

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Years divisible by 4 in [from, to]; 0 for an empty range. Counted in closed
// form so that any pair of years from a file takes constant time.
long long LeapYearsBetween(int from, int to)
{
    if (to < from)
        return 0;
    return FloorDiv(to, 4) - FloorDiv(static_cast<long long>(from) - 1, 4);
}

// Running correction to "30 days per month" at the end of month m: +1 after
// April, June, September and November, -2 after February.
int MonthCorrection(int m)
{
    static const int kCorrection[13] = {0, 0, -2, -2, -1, -1, 0, 0, 0, 1, 1, 2, 2};
    if (m < 1)
        return 0;
    return kCorrection[m > 12 ? 12 : m];
}

// Days since March 1 of year 0 in the real calendar, counting a day past the
// month's end on into the next month. Starting the year in March puts the
// leap day last, so the month lengths before it are fixed.
long long SerialDay(long long year, long long month, long long day)
{
    const long long yearsOver = FloorDiv(month - 1, 12);
    year += yearsOver;
    month -= 12 * yearsOver;
    if (month <= 2)
        --year;
    const long long monthFromMarch = month > 2 ? month - 3 : month + 9;
    const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    return 365 * year + FloorDiv(year, 4) - FloorDiv(year, 100) + FloorDiv(year, 400) + dayOfYear;
}

CivilDate DateOfSerialDay(long long serial)
{
    // Whole 400-year cycles first, then the years within one.
    const long long cycle = FloorDiv(serial, 146097);
    const long long dayOfCycle = serial - cycle * 146097;
    const long long yearOfCycle =
        (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) / 365;
    const long long dayOfYear = dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.year = Wrap32(cycle * 400 + yearOfCycle + (date.month <= 2 ? 1 : 0));
    return date;
}

CivilDate StepDay(const CivilDate& date, int days)
{
    return DateOfSerialDay(SerialDay(date.year, date.month, date.day) + days);
}

}  // namespace

CivilDate DayBefore(const CivilDate& date) { return StepDay(date, -1); }

CivilDate DayAfter(const CivilDate& date) { return StepDay(date, 1); }

int DayCount(const CivilDate& from, const CivilDate& to)
{
    const int year1 = from.year, month1 = from.month, day1 = from.day;
    const int year2 = to.year, month2 = to.month, day2 = to.day;
    // Formed in long long and wrapped once at the end (see Int32.h): for any
    // real date this is the exact count, for absurd file values it is what
    // 32-bit arithmetic would give, without undefined behaviour.
    long long days = 365LL * (static_cast<long long>(year2) - year1) +
                     LeapYearsBetween(year1, year2) +
                     30LL * (static_cast<long long>(month2) - month1) +
                     MonthCorrection(month2) - MonthCorrection(month1) +
                     (static_cast<long long>(day2) - day1);
    return Wrap32(days);
}

int DaysInMonth(int month, int year)
{
    // The date lists once stopped at 2005 and every later year got 31 days in
    // every month; the rule now holds for every year from 1900 on.
    if (month < 1 || month > 12 || year < 1900)
        return 31;
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}
