#pragma once
// Whether the daily delivery ran when it was due. The task scheduler never
// says that a job did not run (the computer was off at the time, or a
// scheduler that starts no jobs), so Currently Scheduled works it out from
// the last delivery logged, when the schedule was saved and the clock.
#include "base/CivilDate.h"
#include "schedule/ScheduleRecord.h"

#include <optional>
#include <string>

struct LocalMinute {
    CivilDate date;
    int hour = 0;
    int minute = 0;
};
bool operator<(const LocalMinute& a, const LocalMinute& b);

// The time a delivery log line starts with ("2026-12-07 07:05, …");
// nothing for a line that does not start so.
std::optional<LocalMinute> ParseLogTime(const std::string& line);

// A run may start a little late (the scheduler wakes, the machine is busy);
// only a delivery this many minutes overdue counts as missed.
inline constexpr int kMissedGraceMinutes = 60;

// The sentence for Currently Scheduled when a delivery at `daily` fell due
// after the later of the last run (`lastRun`, if any) and the moment the
// schedule was saved, and did not run by `now`; empty while none is missed.
std::string MissedDeliveryText(std::optional<LocalMinute> lastRun, LocalMinute saved, ClockTime daily,
                               LocalMinute now);
