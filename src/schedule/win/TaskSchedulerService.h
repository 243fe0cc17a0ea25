#pragma once
// The account's daily job in the Task Scheduler, and the service control
// manager's "Schedule". On Vista and later the job is registered through
// the Task Scheduler 2.0 interfaces; where the system cannot hold such a
// definition (it reads back without its action or trigger) and on Windows
// 2000 and XP, through the 1.0 interfaces. Every operation sees both kinds,
// so nothing runs twice and nothing is left behind.
#include "schedule/ScheduleService.h"
#include "schedule/win/LegacyTaskJob.h"

#include <functional>
#include <string>

class TaskSchedulerService : public ScheduleService {
public:
    // `askAccount` runs the Set Security Attributes dialog; it is called only
    // on Windows 2000 and XP, which need an account for the job.
    explicit TaskSchedulerService(std::function<JobAccount()> askAccount) : askAccount_(std::move(askAccount)) {}

    bool EnsureRunning() override;
    bool IsJobScheduled() override;
    bool DeleteJob() override;
    bool CreateJob() override;
    bool ActivateJob(CivilDate firstDay, int hour, int minute) override;

    // Earlier versions registered one job for the machine, "Daily Analysis
    // Report", starting the program on the shared record. When it is this
    // account's (the account may delete it), it becomes this account's own
    // job on its own program, record and folder, with its trigger, but held
    // off until the user confirms the copied schedule in the Schedule
    // dialog; true then. An own job already there is kept, and the shared
    // one only deleted.
    bool AdoptSharedJob();

private:
    enum class Kind { Unknown, TaskService, Legacy };

    bool CreateLegacyJob();
    bool ActivateLegacyJob(const DailyJob& job);

    std::function<JobAccount()> askAccount_;
    Kind kind_ = Kind::Unknown;  // which kind CreateJob made
};
