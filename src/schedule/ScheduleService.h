#pragma once
// The operating system's task scheduler as the schedule dialogs see it: one
// job, "Daily Analysis Report", that starts the program once a day with the
// schedule record's path. The Win32 implementation lives in schedule/win/;
// tests use a fake.
#include "base/Clock.h"

#include <string>

inline constexpr const char* kScheduledJobName = "Daily Analysis Report";

// Each account's own job: "Daily Analysis Report (S-1-5-21-...)" for the
// account's security identifier; the bare name without one, as earlier
// versions named the one job of the machine.
inline std::string AccountJobName(const std::string& accountId)
{
    return accountId.empty() ? kScheduledJobName : std::string(kScheduledJobName) + " (" + accountId + ")";
}

class ScheduleService {
public:
    virtual ~ScheduleService() = default;

    // True when the scheduler runs, or was started and came up within a
    // few seconds (or is still starting then).
    virtual bool EnsureRunning() = 0;
    // True when the job exists and is ready, running or has not run yet.
    virtual bool IsJobScheduled() = 0;
    // Ends a running job and deletes it; false when there was none to open.
    virtual bool DeleteJob() = 0;
    // Creates the job, without a trigger; false when it exists already.
    virtual bool CreateJob() = 0;
    // Gives the created job its daily trigger from `firstDay` at hour:minute
    // and, where the system wants one, the account it runs under.
    virtual bool ActivateJob(CivilDate firstDay, int hour, int minute) = 0;
};
