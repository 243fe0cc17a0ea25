#pragma once

// Days from the first date to the second (negative when the second is
// earlier). This is the program's own fixed formula, not a calendar
// difference: every month counts 30 days plus a running correction, and every
// year divisible by 4 from year1 to year2, both included, adds one day.
int DayCount(int month1, int day1, int year1, int month2, int day2, int year2);

// Days offered for a month in the date lists: 30 for April, June, September
// and November; for February 29 when the year is divisible by 4 (no century
// rule, so 1900 and 2100 have 29), else 28; 31 for the other months, and 31
// for a month outside 1 to 12 or a year before 1900.
int DaysInMonth(int month, int year);
