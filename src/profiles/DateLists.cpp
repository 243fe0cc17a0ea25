#include "profiles/DateLists.h"

#include "base/Calendar.h"

namespace DateLists {

int MonthIndex(int month)
{
    return month >= 1 && month <= kMonthEntries ? month - 1 : -1;
}

int MonthAt(int index) { return index + 1; }

int TopYear(int currentYear) { return currentYear < kFirstYear ? kFirstYear : currentYear; }

int YearEntries(int topYear) { return topYear - kFirstYear + 1; }

int YearIndex(int topYear, int year)
{
    return year >= kFirstYear && year <= topYear ? topYear - year : -1;
}

int YearAt(int topYear, int index) { return topYear - index; }

int DayEntries(int month, int year) { return DaysInMonth(month, year); }

int DayIndex(int day, int entries)
{
    if (day < 1)
        return -1;
    return day > entries ? entries - 1 : day - 1;
}

int DayAt(int index) { return index + 1; }

} // namespace DateLists
