#include "schedule/MissedDelivery.h"

#include "base/Calendar.h"
#include "schedule/DeliveryLog.h"

#include <cstdio>
#include <tuple>

namespace {

std::string FormatLogTime(const LocalMinute& time) { return DeliveryTimestamp(time.date, time.hour, time.minute); }

LocalMinute Later(LocalMinute time, int minutes)
{
    const int total = time.hour * 60 + time.minute + minutes;
    for (int day = 0; day < total / (24 * 60); ++day)
        time.date = DayAfter(time.date);
    time.hour = total % (24 * 60) / 60;
    time.minute = total % 60;
    return time;
}

} // namespace

bool operator<(const LocalMinute& a, const LocalMinute& b)
{
    return std::tie(a.date, a.hour, a.minute) < std::tie(b.date, b.hour, b.minute);
}

std::optional<LocalMinute> ParseLogTime(const std::string& line)
{
    LocalMinute time;
    if (std::sscanf(line.c_str(), "%4d-%2d-%2d %2d:%2d", &time.date.year, &time.date.month, &time.date.day,
                    &time.hour, &time.minute) < 5 ||
        time.date.month < 1 || time.date.month > 12 || time.date.day < 1 ||
        time.date.day > RealDaysInMonth(time.date.month, time.date.year) || time.hour > 23 || time.minute > 59 ||
        time.hour < 0 || time.minute < 0)
        return std::nullopt;
    return time;
}


std::string MissedDeliveryText(std::optional<LocalMinute> lastRun, LocalMinute saved, ClockTime daily,
                               LocalMinute now)
{
    const bool ranSinceSaved = lastRun && saved < *lastRun;
    const LocalMinute since = ranSinceSaved ? *lastRun : saved;
    LocalMinute due{since.date, daily.hour, daily.minute};
    if (!(since < due))
        due.date = DayAfter(due.date);
    if (now < Later(due, kMissedGraceMinutes))
        return "";
    return (ranSinceSaved ? "No delivery since " + FormatLogTime(since)
                          : "No delivery since the schedule was saved on " + FormatLogTime(since)) +
           ": the delivery due " + FormatLogTime(due) + " did not run.";
}
