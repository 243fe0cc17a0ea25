#pragma once
// One daily job through the Task Scheduler 1.0 interfaces: the only ones on
// Windows 2000 and XP, and the fallback where a 2.0 definition does not hold
// (Wine runs these jobs, not 2.0 ones). Each object holds COM, the scheduler
// and the job of its name for its own life.
#include "schedule/DailyJob.h"
#include "win/ComRef.h"
#include "win/ComScope.h"

#include <string>

struct ITaskScheduler;
struct ITask;

// The account a job runs under on Windows 2000 and XP.
struct JobAccount {
    std::string userId;
    std::string password;
};

class LegacyTaskJob {
public:
    enum class Job { Existing, New };

    LegacyTaskJob(Job job, const std::wstring& name);
    ~LegacyTaskJob();
    LegacyTaskJob(const LegacyTaskJob&) = delete;
    LegacyTaskJob& operator=(const LegacyTaskJob&) = delete;

    // False when the scheduler or the job could not be had; nothing else
    // may then be asked.
    bool Ready() const { return ready_; }

    // Ready, running or not run yet.
    bool IsScheduled();
    // Ends a running job and deletes it; false when the scheduler refused
    // (a job of another account).
    bool Delete();
    // The program, its record and its folder; saved, without a trigger.
    bool Describe(const DailyJob& job);
    // Runs under `account` with its password (2000, XP), or under the
    // logged-on user without one, only while that user is logged on (later
    // systems, where a job without an account must not run at all). False
    // when the scheduler refused the account.
    bool SetAccount(const JobAccount& account);
    bool RunOnlyIfLoggedOn(const std::wstring& user);
    // The one daily trigger from the job's first day at its minute, any
    // other trigger gone, and saved.
    bool SetDailyTrigger(const DailyJob& job);

    // Earlier versions' job: true when it starts the program on
    // `sharedRecord`.
    bool StartsOn(const std::wstring& sharedRecord);
    // Points the job at this account's program, record and folder, held
    // off until the user confirms it, and saves it under `name`; false when
    // it could not be saved.
    bool SaveAsHeldOff(const DailyJob& job, const std::wstring& name);

private:
    // Program, record and folder set, not yet saved.
    bool PointAt(const DailyJob& job);
    bool Save();

    std::wstring name_;
    ComScope com_;  // first in, last out: COM outlives the interfaces
    ComRef<ITaskScheduler> scheduler_;
    ComRef<ITask> task_;
    bool ready_ = false;
};
