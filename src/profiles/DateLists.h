#pragma once
// Arithmetic of the editor's date lists (month, day and year drop-downs), kept
// apart from the controls so it can be tested without a window.
//
// A list index of -1 means "no selection": a stored value the list does not
// offer (a month 13 or a year 1850 read from a hand-edited file) leaves the
// list unselected, and whoever reads the list back must then keep the stored
// value instead of inventing one.
namespace DateLists {

constexpr int kFirstYear = 1900;

// Month list "1" .. "12".
constexpr int kMonthEntries = 12;
int MonthIndex(int month);
int MonthAt(int index);

// Year list from topYear down to 1900; topYear is the current year, so a
// person born this year can be entered. A clock before 1900 still gets a
// one-entry list rather than an empty one.
int TopYear(int currentYear);
int YearEntries(int topYear);
int YearIndex(int topYear, int year);
int YearAt(int topYear, int index);

// Day list "1" .. DaysInMonth(month, year).
int DayEntries(int month, int year);
// The wanted day's entry, or the last entry when the month is shorter (31
// shown against April selects 30); -1 for a day below 1.
int DayIndex(int day, int entries);
int DayAt(int index);

} // namespace DateLists
