#pragma once
#include "base/CivilDate.h"

// The digit reductions behind every numerological figure. The digital root of
// a positive n is (n - 1) mod 9 + 1.

// The digital root for 10 <= v <= 31 (the days of a month); any other value,
// 0 and negatives included, comes back unchanged.
int ReduceNumber(int v);

// 1 to 9: the digital root of the last two digits of a year from 1900 to
// 2099, where 00 gives 1; every other year gives 1.
int YearDigit(int year);

// 1 to 9: the digital root of a + b + c when that sum is 10 to 27, else 1
// (a sum of 3 to 9 gives 1, not itself).
int TripleNumber(int a, int b, int c);

// ReduceNumber(ReduceNumber(day) + ReduceNumber(month) + YearDigit(year));
// unlike TripleNumber a small sum stays as it is.
int DayNumber(const CivilDate& date);
