#include "schedule/DailyJob.h"

#include "base/AsciiText.h"

#include <cstdio>

std::string StartBoundary(CivilDate firstDay, int hour, int minute)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00", firstDay.year, firstDay.month, firstDay.day, hour,
                  minute);
    return text;
}

bool HoldsAction(const JobReadBack& readBack, const DailyJob& job)
{
    return readBack.actionCount == 1 && LowerAscii(readBack.program) == LowerAscii(job.program) &&
           readBack.arguments == job.arguments &&
           LowerAscii(readBack.workingDirectory) == LowerAscii(job.workingDirectory);
}

bool HoldsDailyJob(const JobReadBack& readBack, const DailyJob& job)
{
    return HoldsAction(readBack, job) && readBack.triggerCount == 1 && readBack.dailyTrigger &&
           readBack.daysInterval == 1 && readBack.startBoundary == StartBoundary(job.firstDay, job.hour, job.minute);
}
