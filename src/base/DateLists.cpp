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

DateListRange DateListRange::ForMainWindow(int currentYear)
{
    return DateListRange(currentYear + 10, Days::ProgramCount);
}

DateListRange DateListRange::ForEditor(int currentYear)
{
    return DateListRange(currentYear, Days::RealCalendar);
}

int DateListRange::DayEntries(int month, int year) const
{
    if (month < 1 || month > DateLists::kMonthEntries)
        return 31;
    return days_ == Days::ProgramCount ? DaysInMonth(month, year) : RealDaysInMonth(month, year);
}

namespace DateLists {

int MonthIndex(int month)
{
    return month >= 1 && month <= kMonthEntries ? month - 1 : -1;
}

int MonthAt(int index) { return index + 1; }

int DayIndex(int day, int entries)
{
    if (day < 1)
        return -1;
    return day > entries ? entries - 1 : day - 1;
}

int DayAt(int index) { return index + 1; }

} // namespace DateLists
