#include "base/Calendar.h"

#include "base/Int32.h"

#include <climits>

namespace {

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The program's leap years: every year divisible by this, with no century rule.
const int kLeapYearEvery = 4;

// The program's leap years in [from, to]; 0 for an empty range. Counted in
// closed form so that any pair of years from a file takes constant time.
long long LeapYearsBetween(int from, int to)
{
    if (to < from)
        return 0;
    return FloorDiv(to, kLeapYearEvery) - FloorDiv(static_cast<long long>(from) - 1, kLeapYearEvery);
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

}  // namespace

int DayCount(const CivilDate& from, const CivilDate& to)
{
    // Formed in long long and wrapped once at the end (see Int32.h): for any
    // real date this is the exact count, for absurd file values it is what
    // 32-bit arithmetic would give, without undefined behaviour.
    long long days = 365LL * (static_cast<long long>(to.year) - from.year) +
                     LeapYearsBetween(from.year, to.year) +
                     30LL * (static_cast<long long>(to.month) - from.month) +
                     MonthCorrection(to.month) - MonthCorrection(from.month) +
                     (static_cast<long long>(to.day) - from.day);
    return Wrap32(days);
}

int RealDaysInMonth(int month, int year)
{
    static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Months come from files too (the delivery log); no day fits one that
    // no calendar has.
    if (month < 1 || month > 12)
        return 0;
    const bool leapYear = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return month == 2 && leapYear ? 29 : kLengths[month - 1];
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
        return year % kLeapYearEvery == 0 ? 29 : 28;
    default:
        return 31;
    }
}

CivilDate DayBefore(CivilDate date)
{
    if (date.month < 1 || date.month > 12 || (date.year == INT_MIN && date.month == 1 && date.day <= 1))
        return date;
    // Days outside the month step as its edges do, and never overflow.
    if (date.day > RealDaysInMonth(date.month, date.year) + 1)
        date.day = RealDaysInMonth(date.month, date.year) + 1;
    if (date.day < 1)
        date.day = 1;
    if (--date.day < 1) {
        if (--date.month < 1) {
            date.month = 12;
            --date.year;
        }
        date.day = RealDaysInMonth(date.month, date.year);
    }
    return date;
}

CivilDate DayAfter(CivilDate date)
{
    if (date.month < 1 || date.month > 12 ||
        (date.year == INT_MAX && date.month == 12 && date.day >= RealDaysInMonth(12, date.year)))
        return date;
    if (date.day < 0)
        date.day = 0;
    if (date.day > RealDaysInMonth(date.month, date.year))
        date.day = RealDaysInMonth(date.month, date.year);
    if (++date.day > RealDaysInMonth(date.month, date.year)) {
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
    return date;
}
