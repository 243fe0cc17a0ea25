#pragma once
// The three drop-down lists of a dialog that show one date: the month "1" to
// "12", the day "1" to the month's last, and the year from the range's top
// year down to 1900. The date itself stays with the dialog; the lists only
// show it and hand back what the user chose.
#include "base/CivilDate.h"
#include "base/DateLists.h"

#include <windows.h>

struct DateListIds {
    int month;
    int day;
    int year;
};

class DateListControl {
public:
    DateListControl(HWND dialog, const DateListIds& ids, const DateListRange& range)
        : dialog_(dialog), ids_(ids), range_(range)
    {
    }

    // Enables and fills the three lists to show `date`. A month or year the
    // lists do not offer leaves that list without a selection; a day past the
    // month's end shows the month's last day.
    void Show(const CivilDate& date) const { Show(date, date); }
    // The same, but the day list holds the days of `days`' month and year
    // and shows its day, while the month and year lists show `monthAndYear`.
    void Show(const CivilDate& monthAndYear, const CivilDate& days) const;
    // Empties the three lists and disables them.
    void Empty() const;

    // After the user chose in `list`: its part of `date` becomes the chosen
    // entry, and a new month or year refills the day list for `date`, which
    // shows `date.day` or the month's last day when the month is shorter.
    // False, with `date` unchanged, when `list` has no selection.
    bool TakeChoice(int list, CivilDate& date) const;

private:
    void FillDays(const CivilDate& date) const;

    HWND dialog_;
    DateListIds ids_;
    DateListRange range_;
};
