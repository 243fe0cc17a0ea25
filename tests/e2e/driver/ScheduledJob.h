#pragma once
// The job "Daily Analysis Report" as the Task Scheduler holds it, read back
// through ITask and ITaskTrigger in the test process.
#include <windows.h>
#include <mstask.h>

#include <string>

namespace e2e {

struct ScheduledJob {
    bool exists = false;
    std::string application;
    std::string workingDirectory;
    std::string parameters;
    int triggerCount = 0;
    TASK_TRIGGER trigger{};  // the first one
};

ScheduledJob ReadScheduledJob();
// Starts a test without a job left over from an earlier one.
void DeleteScheduledJob();

} // namespace e2e
