#pragma once
// The job "Daily Analysis Report" as the Task Scheduler holds it, read back
// through ITask and ITaskTrigger in the test process.
#include <windows.h>
#include <mstask.h>

#include <string>

namespace e2e {

struct ScheduledJob {
    bool exists = false;
    std::string application, workingDirectory, parameters;
    int triggerCount = 0;
    TASK_TRIGGER trigger{};  // the first one
};

ScheduledJob ReadScheduledJob();

// Where the scheduler keeps the job; deleting it starts a test without one.
constexpr const char* kJobFile = "C:\\windows\\tasks\\Daily Analysis Report.job";

} // namespace e2e
