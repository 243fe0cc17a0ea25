#include "daily/DayNavigation.h"

#include "daily/DailyMessages.h"

#include <climits>
#include <ctime>

namespace {

bool SameDate(const CivilDate& a, const CivilDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int month, int year)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return lengths[(month - 1) % 12];
}

// The plain calendar neighbour, for what the local clock cannot answer. A
// day outside its month steps past the month's edge; the first and last days
// of the int range of years have no neighbour beyond it and stay.
CivilDate CalendarStep(CivilDate date, int direction)
{
    if (date.month < 1 || date.month > 12)
        return date;
    const long long day = static_cast<long long>(date.day) + direction;
    if (day < 1) {
        if (date.month == 1 && date.year == INT_MIN)
            return date;
        if (--date.month < 1) {
            date.month = 12;
            --date.year;
        }
        date.day = MonthLength(date.month, date.year);
    } else if (day > MonthLength(date.month, date.year)) {
        if (date.month == 12 && date.year == INT_MAX)
            return date;
        date.day = 1;
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    } else {
        date.day = static_cast<int>(day);
    }
    return date;
}

// The local date of `date` at hour:minute:second moved by `shiftSeconds`, or
// the calendar neighbour in the direction of the shift when the clock cannot
// say (a year outside the clock's range) or says the same date (a daylight
// saving change at midnight can turn 23:59:59 + 1 hour into 23:59:59 again).
CivilDate LocalNeighbour(const CivilDate& date, int hour, int minute, int second, int shiftSeconds)
{
    const int direction = shiftSeconds < 0 ? -1 : 1;
    // tm counts years from 1900 and months from 0 in ints; what it cannot
    // hold, on the way in or out, is left to the calendar.
    if (date.year < INT_MIN + 1900 || date.month == INT_MIN)
        return CalendarStep(date, direction);
    std::tm when{};
    when.tm_year = date.year - 1900;
    when.tm_mon = date.month - 1;
    when.tm_mday = date.day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    when.tm_isdst = -1;
    std::time_t moment = std::mktime(&when);
    if (moment == static_cast<std::time_t>(-1))
        return CalendarStep(date, direction);
    moment += shiftSeconds;
    std::tm local{};
#ifdef _WIN32
    const bool converted = localtime_s(&local, &moment) == 0;
#else
    const bool converted = localtime_r(&moment, &local) != nullptr;
#endif
    if (!converted || local.tm_year > INT_MAX - 1900)
        return CalendarStep(date, direction);
    const CivilDate neighbour{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    return SameDate(neighbour, date) ? CalendarStep(date, direction) : neighbour;
}

}  // namespace

CivilDate DayBefore(const CivilDate& date)
{
    return LocalNeighbour(date, 0, 0, 1, -3600);
}

CivilDate DayAfter(const CivilDate& date)
{
    return LocalNeighbour(date, 23, 59, 59, 3600);
}

DayNavigation::DayNavigation(const CivilDate& baseDate) : baseDate_(baseDate), shownDate_(baseDate)
{
    if (BeforeFirstYear()) {
        buttons_.prevDay = false;
        buttons_.nextDay = false;
        buttons_.hourly = false;
    }
}

const char* DayNavigation::PrevDay()
{
    if (BeforeFirstYear())
        return kPrevDayBefore1971;
    shownDate_ = DayBefore(baseDate_);
    buttons_ = DailyButtons{false, true, true, false};
    return nullptr;
}

const char* DayNavigation::NextDay()
{
    if (BeforeFirstYear())
        return kNextDayBefore1971;
    shownDate_ = DayAfter(baseDate_);
    buttons_ = DailyButtons{true, false, true, false};
    return nullptr;
}

void DayNavigation::Now()
{
    shownDate_ = baseDate_;
    // Before 1971 nothing but Now itself changes: the buttons that were off
    // from the start stay off.
    const bool navigable = !BeforeFirstYear();
    buttons_ = DailyButtons{navigable, navigable, false, navigable};
}
