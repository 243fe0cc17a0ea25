#pragma once
// One daily job through the Task Scheduler 2.0 interfaces (Vista and later):
// the account that registers it, with its interactive logon (no password, no
// administrator), a daily trigger, started when the computer comes back
// after a missed time, never held back on battery, stopped after a few
// minutes and never started twice at once. Each object holds COM and the
// connection to the scheduler for its own life.
#include "schedule/DailyJob.h"
#include "win/ComRef.h"
#include "win/ComScope.h"

#include <string>

struct ITaskService;
struct ITaskFolder;

class TaskServiceJob {
public:
    // `name` is the job's name in the scheduler's root folder; `userId` the
    // account it runs as (its security identifier).
    TaskServiceJob(const std::wstring& name, const std::wstring& userId);
    ~TaskServiceJob();
    TaskServiceJob(const TaskServiceJob&) = delete;
    TaskServiceJob& operator=(const TaskServiceJob&) = delete;

    // False where the system has no Task Scheduler 2.0 or it cannot be
    // reached; nothing else may then be asked.
    bool Available() const { return static_cast<bool>(folder_); }

    bool Exists();
    // Registered, enabled and ready or running.
    bool IsScheduled();
    // Ends a running instance and deletes the job; false when there was
    // none or it could not be deleted.
    bool Delete();
    // Registers the job (replacing one of the name), with its daily trigger
    // or, without `withTrigger`, none yet, and reads back what the scheduler
    // stored; false when registering failed.
    bool Register(const DailyJob& job, bool withTrigger, JobReadBack& readBack);

private:
    ComScope com_;  // first in, last out: COM outlives the interfaces
    ComRef<ITaskService> service_;
    ComRef<ITaskFolder> folder_;
    std::wstring name_;
    std::wstring userId_;
};
