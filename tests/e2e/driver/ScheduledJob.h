#pragma once
// The jobs "Daily Analysis Report..." as the Task Scheduler holds them, read
// back (and, for an earlier version's job, made) through ITask and
// ITaskTrigger in the test process.
#include <string>
#include <vector>

namespace e2e {

// Each job whose name begins with "Daily Analysis Report", in name order, as
// "name|application|working directory|parameters|" and then each trigger as
// "YYYY-MM-DD type T every N at H:MM;" (begin date, type, days between,
// start).
std::vector<std::string> ScheduledJobs();

// The name the test account's own job has: the bare name, then the
// account's security identifier in brackets.
std::string AccountJobName();

// Starts a test without any of those jobs.
void RemoveScheduledJobs();

// A job as an earlier version registered it: one daily trigger from
// 2020-01-01 at hour:minute. False when it could not be saved.
bool CreateJob(const std::string& name, const std::string& application, const std::string& workingDirectory,
               const std::string& parameters, int hour, int minute);

} // namespace e2e
