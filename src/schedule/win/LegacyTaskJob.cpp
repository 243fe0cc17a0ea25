#include "schedule/win/LegacyTaskJob.h"

#include "win/WideText.h"

#include <windows.h>
#include <mstask.h>

namespace {

bool IsScheduledStatus(HRESULT status)
{
    return status == SCHED_S_TASK_READY || status == SCHED_S_TASK_RUNNING || status == SCHED_S_TASK_HAS_NOT_RUN;
}

} // namespace

LegacyTaskJob::LegacyTaskJob(Job job, const std::wstring& name) : name_(name)
{
    if (!com_.Ok() || FAILED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                              scheduler_.OutVoid())))
        return;
    IUnknown** task = reinterpret_cast<IUnknown**>(task_.Out());
    ready_ = SUCCEEDED(job == Job::Existing
                           ? scheduler_->Activate(name_.c_str(), IID_ITask, task)
                           : scheduler_->NewWorkItem(name_.c_str(), CLSID_CTask, IID_ITask, task));
}

LegacyTaskJob::~LegacyTaskJob() = default;

bool LegacyTaskJob::IsScheduled()
{
    HRESULT status = 0;
    return ready_ && SUCCEEDED(task_->GetStatus(&status)) && IsScheduledStatus(status);
}

bool LegacyTaskJob::Delete()
{
    HRESULT status = 0;
    if (!ready_ || FAILED(task_->GetStatus(&status)))
        return false;
    if (status == SCHED_S_TASK_RUNNING && FAILED(task_->Terminate()))
        return false;
    // Deleting goes through the scheduler, and the job must be let go first.
    task_.Reset();
    ready_ = false;
    return SUCCEEDED(scheduler_->Delete(name_.c_str()));
}

bool LegacyTaskJob::PointAt(const DailyJob& job)
{
    return ready_ && SUCCEEDED(task_->SetApplicationName(WideText(job.program).c_str())) &&
           SUCCEEDED(task_->SetWorkingDirectory(WideText(job.workingDirectory).c_str())) &&
           SUCCEEDED(task_->SetParameters(WideText(job.arguments).c_str()));
}

bool LegacyTaskJob::Describe(const DailyJob& job)
{
    return PointAt(job) && Save();
}

bool LegacyTaskJob::SetAccount(const JobAccount& account)
{
    return ready_ && SUCCEEDED(task_->SetAccountInformation(WideText(account.userId).c_str(),
                                                            WideText(account.password).c_str()));
}

bool LegacyTaskJob::RunOnlyIfLoggedOn(const std::wstring& user)
{
    DWORD flags = 0;
    // The flag first: without it a job cannot be given an account without
    // a password.
    return ready_ && SUCCEEDED(task_->GetFlags(&flags)) &&
           SUCCEEDED(task_->SetFlags(flags | TASK_FLAG_RUN_ONLY_IF_LOGGED_ON)) &&
           SUCCEEDED(task_->SetAccountInformation(user.c_str(), nullptr));
}

bool LegacyTaskJob::SetDailyTrigger(const DailyJob& job)
{
    if (!ready_)
        return false;
    // The job must run once a day, at one time. A job read back can already
    // carry a trigger (Wine's loader makes one up for a job saved without),
    // so anything there goes first.
    WORD existing = 0;
    if (SUCCEEDED(task_->GetTriggerCount(&existing)))
        while (existing > 0)
            task_->DeleteTrigger(--existing);

    WORD index = 0;
    ComRef<ITaskTrigger> trigger;
    if (FAILED(task_->CreateTrigger(&index, trigger.Out())))
        return false;
    TASK_TRIGGER daily{};
    daily.cbTriggerSize = sizeof(daily);
    daily.wBeginYear = static_cast<WORD>(job.firstDay.year);
    daily.wBeginMonth = static_cast<WORD>(job.firstDay.month);
    daily.wBeginDay = static_cast<WORD>(job.firstDay.day);
    daily.wStartHour = static_cast<WORD>(job.hour);
    daily.wStartMinute = static_cast<WORD>(job.minute);
    daily.TriggerType = TASK_TIME_TRIGGER_DAILY;
    daily.Type.Daily.DaysInterval = 1;
    return SUCCEEDED(trigger->SetTrigger(&daily)) && Save();
}

bool LegacyTaskJob::StartsOn(const std::wstring& sharedRecord)
{
    LPWSTR parameters = nullptr;
    const bool starts = ready_ && SUCCEEDED(task_->GetParameters(&parameters)) && parameters &&
                        sharedRecord == parameters;
    CoTaskMemFree(parameters);
    return starts;
}

bool LegacyTaskJob::SaveAsHeldOff(const DailyJob& job, const std::wstring& name)
{
    DWORD flags = 0;
    // Whatever program the old job named (another account could have
    // written it), the job starts this one.
    return PointAt(job) && SUCCEEDED(task_->GetFlags(&flags)) &&
           SUCCEEDED(task_->SetFlags(flags | TASK_FLAG_DISABLED)) &&
           SUCCEEDED(scheduler_->AddWorkItem(name.c_str(), task_.Get()));
}

bool LegacyTaskJob::Save()
{
    ComRef<IPersistFile> file;
    return SUCCEEDED(task_->QueryInterface(IID_IPersistFile, file.OutVoid())) &&
           SUCCEEDED(file->Save(nullptr, TRUE));
}
