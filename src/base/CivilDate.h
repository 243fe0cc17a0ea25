#pragma once
#include <tuple>

// A civil date from the local calendar: month 1 to 12, day of the month,
// four-digit year. Dates read from files may hold any values; the
// comparisons order them as year, then month, then day all the same.
struct CivilDate {
    int year = 1900;
    int month = 1;
    int day = 1;
};

inline bool operator==(const CivilDate& a, const CivilDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool operator!=(const CivilDate& a, const CivilDate& b) { return !(a == b); }
inline bool operator<(const CivilDate& a, const CivilDate& b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}
inline bool operator>(const CivilDate& a, const CivilDate& b) { return b < a; }
inline bool operator<=(const CivilDate& a, const CivilDate& b) { return !(b < a); }
inline bool operator>=(const CivilDate& a, const CivilDate& b) { return !(a < b); }
