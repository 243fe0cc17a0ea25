#include "base/DateLists.h"

#include "base/Calendar.h"

int YearList::YearAt(int index) const
{
    return index >= 0 && index < Count() ? topYear_ - index : 0;
}

int YearList::IndexOf(int year) const
{
    return year >= oldestYear && year <= topYear_ ? topYear_ - year : -1;
}

namespace DateLists {

int MonthIndex(int month)
{
    return month >= 1 && month <= kMonthEntries ? month - 1 : -1;
}

int MonthAt(int index) { return index + 1; }

int DayEntries(int month, int year)
{
    return month >= 1 && month <= kMonthEntries ? RealDaysInMonth(month, year) : 31;
}

int DayIndex(int day, int entries)
{
    if (day < 1)
        return -1;
    return day > entries ? entries - 1 : day - 1;
}

int DayAt(int index) { return index + 1; }

} // namespace DateLists
