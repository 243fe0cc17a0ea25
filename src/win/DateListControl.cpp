#include "win/DateListControl.h"

#include "win/ComboBox.h"
#include "win/Controls.h"

#include <string>

void DateListControl::Show(const CivilDate& monthAndYear, const CivilDate& days) const
{
    for (int list : {ids_.month, ids_.day, ids_.year})
        Controls::Enable(dialog_, list, true);

    ComboBox months(dialog_, ids_.month);
    months.Clear();
    for (int month = 1; month <= DateLists::kMonthEntries; ++month)
        months.Add(std::to_string(month));
    months.Select(DateLists::MonthIndex(monthAndYear.month));

    const YearList& yearList = range_.Years();
    ComboBox years(dialog_, ids_.year);
    years.Clear();
    for (int index = 0; index < yearList.Count(); ++index)
        years.Add(std::to_string(yearList.YearAt(index)));
    years.Select(yearList.IndexOf(monthAndYear.year));

    FillDays(days);
}

void DateListControl::FillDays(const CivilDate& date) const
{
    ComboBox days(dialog_, ids_.day);
    days.Clear();
    const int entries = range_.DayEntries(date.month, date.year);
    for (int day = 1; day <= entries; ++day)
        days.Add(std::to_string(day));
    days.Select(DateLists::DayIndex(date.day, entries));
}

void DateListControl::Empty() const
{
    for (int list : {ids_.month, ids_.day, ids_.year}) {
        ComboBox(dialog_, list).Clear();
        Controls::Enable(dialog_, list, false);
    }
}

bool DateListControl::TakeChoice(int list, CivilDate& date) const
{
    const int index = ComboBox(dialog_, list).Selection();
    if (index < 0)
        return false;
    if (list == ids_.day) {
        date.day = DateLists::DayAt(index);
        return true;
    }
    if (list == ids_.month)
        date.month = DateLists::MonthAt(index);
    else if (list == ids_.year)
        date.year = range_.Years().YearAt(index);
    else
        return false;
    // February depends on the year.
    FillDays(date);
    return true;
}
