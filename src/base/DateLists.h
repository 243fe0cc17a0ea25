#pragma once
// Arithmetic of the date lists (month, day and year drop-downs) of the main
// window and the profile editor, kept apart from the controls so it can be
// tested without a window.
//
// A list index of -1 means "no selection": a stored value the list does not
// offer (a month 13 or a year 1850 read from a hand-edited file) leaves the
// list unselected, and whoever reads the list back must then keep the stored
// value instead of inventing one.

// A year list: newest year first, down to 1900.
class YearList {
public:
    static constexpr int oldestYear = 1900;

    // The main window reaches ten years past the current one, so that coming
    // days can be looked at too; the editor stops at the current year, so a
    // person born this year can be entered.
    static YearList ForMainWindow(int currentYear) { return YearList(currentYear + 10); }
    static YearList ForEditor(int currentYear) { return YearList(currentYear); }

    // A clock before 1900 still gets a one-entry list rather than an empty one.
    explicit YearList(int topYear) : topYear_(topYear < oldestYear ? oldestYear : topYear) {}

    int TopYear() const { return topYear_; }
    int Count() const { return topYear_ - oldestYear + 1; }
    // The year shown at a list index; indexes outside the list give 0.
    int YearAt(int index) const;
    // The index showing `year`, or -1 when the list does not hold it.
    int IndexOf(int year) const;

private:
    int topYear_;
};

namespace DateLists {

// Month list "1" .. "12".
constexpr int kMonthEntries = 12;
int MonthIndex(int month);
int MonthAt(int index);

// The editor's day list "1" .. the month's length in the real calendar: a
// birthday is a day that was (no February 29, 1900). A month outside 1 to 12
// gives 31, so no stored day is cut short by a month the list cannot show.
int DayEntries(int month, int year);
// The wanted day's entry, or the last entry when the month is shorter (31
// shown against April selects 30); -1 for a day below 1.
int DayIndex(int day, int entries);
int DayAt(int index);

} // namespace DateLists
