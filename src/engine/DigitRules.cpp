#include "engine/DigitRules.h"

#include "base/Int32.h"

namespace {

int DigitalRoot(int n)
{
    return (n - 1) % 9 + 1;
}

}  // namespace

int ReduceNumber(int v)
{
    return (v >= 10 && v <= 31) ? DigitalRoot(v) : v;
}

int YearDigit(int year)
{
    int d;
    if (year >= 1900 && year <= 1999)
        d = year - 1900;
    else if (year >= 2000 && year <= 2099)
        d = year - 2000;
    else
        return 1;
    return d == 0 ? 1 : DigitalRoot(d);
}

int TripleNumber(int a, int b, int c)
{
    int s = Wrap32(static_cast<long long>(a) + b + c);
    return (s >= 10 && s <= 27) ? DigitalRoot(s) : 1;
}

int DayNumber(const CivilDate& date)
{
    long long sum = static_cast<long long>(ReduceNumber(date.day)) + ReduceNumber(date.month) + YearDigit(date.year);
    return ReduceNumber(Wrap32(sum));
}
