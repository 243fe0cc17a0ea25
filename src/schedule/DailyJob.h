#pragma once
// The daily job as the Task Scheduler must hold it, and the check of what a
// registered definition reads back as. A scheduler may accept a definition
// and keep less of it (Wine stores a Task Scheduler 2.0 daily task without
// its trigger and action, and never runs it): only a definition that reads
// back whole is trusted to deliver.
#include "base/CivilDate.h"

#include <string>

struct DailyJob {
    std::string program;           // full path
    std::string arguments;         // the record's path, as the run recognises it
    std::string workingDirectory;
    CivilDate firstDay;
    int hour = 0;
    int minute = 0;
};

// A registered definition as read back; counts are what the scheduler holds.
struct JobReadBack {
    int triggerCount = 0;
    bool dailyTrigger = false;      // the first trigger is a daily one
    int daysInterval = 0;
    std::string startBoundary;      // "2026-12-08T13:30:00"
    int actionCount = 0;
    std::string program;            // of the first action
    std::string arguments;
    std::string workingDirectory;
};

// The start the daily trigger is given: local time, no zone, so the job
// follows the clock of the day it runs on.
std::string StartBoundary(CivilDate firstDay, int hour, int minute);

// True when the definition starts the job's program, on its record, in its
// folder (names compared as Windows compares them, ASCII case folded), and
// holds one daily trigger every day from the job's first day and minute.
bool HoldsAction(const JobReadBack& readBack, const DailyJob& job);
bool HoldsDailyJob(const JobReadBack& readBack, const DailyJob& job);
