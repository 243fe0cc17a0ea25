#pragma once
// The program's two calendars, each stated once here.
//
// Its own: every year divisible by 4 is a leap year, with no century rule.
// The readings and the main window's date lists have always counted so, and
// changing it would change every reading, so it stays deliberately.
//
// The real (Gregorian) one: stepping the shown day to its neighbours, where
// the user expects the day a wall calendar shows, and the editor's day lists,
// where a birthday must be a day that was.
#include "base/CivilDate.h"

// Days from the first date to the second (negative when the second is
// earlier). This is a fixed formula, not a calendar difference: every month
// counts 30 days plus a running correction, and every year divisible by 4
// from from.year to to.year, both included, adds one day.
int DayCount(const CivilDate& from, const CivilDate& to);

// Days offered for a month in the main window's day list: 30 for April,
// June, September and November; for February 29 when the year is divisible
// by 4 (no century rule, so 1900 and 2100 have 29), else 28; 31 for the other
// months, and 31 for a month outside 1 to 12 or a year before 1900.
int DaysInMonth(int month, int year);

// Days of a month (1 to 12) in the real calendar: of the century years only
// every fourth is a leap year. 0 for any other month.
int RealDaysInMonth(int month, int year);

// The real calendar's neighbours of a date. A day past the month's end (the
// main window offers February 29, 1900) lies between the month's last day and
// the next month's first, and a day before the first lies between the previous
// month's last day and the first; a month outside 1 to 12 names no day, and
// the date comes back unchanged, as do the first and the last day of the int
// range of years, which have no neighbour beyond them.
CivilDate DayBefore(CivilDate date);
CivilDate DayAfter(CivilDate date);
