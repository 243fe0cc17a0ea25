#pragma once
// The daily job through the Task Scheduler 1.0 COM interfaces and the
// service control manager. Each
// operation initialises COM around its own calls and releases every
// interface it obtained.
#include "schedule/ScheduleService.h"

#include <functional>
#include <string>

struct JobAccount {
    std::string userId;
    std::string password;
};

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

private:
    std::function<JobAccount()> askAccount_;
};
