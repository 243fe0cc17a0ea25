#include "daily/DayNavigation.h"

#include "base/Calendar.h"
#include "daily/DailyMessages.h"

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

const char* DayNavigation::ShowDay(const CivilDate& date)
{
    if (date == baseDate_) {
        Now();
        return nullptr;
    }
    if (date == DayBefore(baseDate_))
        return PrevDay();
    if (date == DayAfter(baseDate_) || BeforeFirstYear())
        return NextDay();
    shownDate_ = date;
    buttons_ = DailyButtons{false, false, true, false};
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
