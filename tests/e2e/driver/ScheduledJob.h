#pragma once
// The job "Daily Analysis Report" as the Task Scheduler holds it, read back
// through ITask and ITaskTrigger in the test process.
#include <string>

namespace e2e {

// "application|working directory|parameters|" and then each trigger as
// "YYYY-MM-DD type T every N at H:MM;" (begin date, type, days between,
// start); empty when there is no such job.
std::string ScheduledJobText();

// Where the scheduler keeps the job; deleting it starts a test without one.
constexpr const char* kJobFile = "C:\\windows\\tasks\\Daily Analysis Report.job";

} // namespace e2e
