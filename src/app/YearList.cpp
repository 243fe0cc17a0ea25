#include "app/YearList.h"

int YearList::Count() const
{
    return topYear_ >= oldestYear ? topYear_ - oldestYear + 1 : 0;
}

int YearList::YearAt(int index) const
{
    return index >= 0 && index < Count() ? topYear_ - index : 0;
}

int YearList::IndexOf(int year) const
{
    return year >= oldestYear && year <= topYear_ ? topYear_ - year : -1;
}
