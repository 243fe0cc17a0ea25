#include "schedule/win/TaskSchedulerService.h"

#include "base/DataPaths.h"
#include "win/AccountFolders.h"
#include "schedule/AccountChecks.h"
#include "win/ComRef.h"
#include "win/ComScope.h"
#include "win/MessageBoxes.h"
#include "win/WideText.h"
#include "win/WindowsVersion.h"

#include <windows.h>
#include <mstask.h>
#include <sddl.h>

#include <vector>

namespace {

std::string ApplicationPath()
{
    return std::string(DataPaths::programDirectory) + "Oracline.exe";
}

// The account's own data folder: no other account can put anything where
// the run starts.
std::string WorkingDirectory()
{
    const std::string& folder = AccountDataDirectory();
    return folder.substr(0, folder.size() - 1);
}

// The running account's security identifier ("S-1-5-21-..."), or empty.
std::string AccountSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return "";
    std::string sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size ? size : 1);
    LPSTR text = nullptr;
    if (size && GetTokenInformation(token, TokenUser, user.data(), size, &size) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

// The Task Scheduler keeps every account's jobs side by side, so each
// account's job carries its security identifier in its name: unlike the
// user name it never changes, is unique, and holds no "." (which job names
// may not).
const std::wstring& JobName()
{
    static const std::wstring name = WideText(AccountJobName(AccountSid()));
    return name;
}

// What every operation starts with: COM for its span, the scheduler, and the
// job of our name, the existing one or a new one. Everything it obtained is
// released when the operation ends.
class JobSession {
public:
    enum class Job { Existing, New };

    explicit JobSession(Job job)
    {
        if (!com_.Ok() || FAILED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_ITaskScheduler, scheduler_.OutVoid())))
            return;
        IUnknown** task = reinterpret_cast<IUnknown**>(task_.Out());
        ready_ = SUCCEEDED(job == Job::Existing ? scheduler_->Activate(JobName().c_str(), IID_ITask, task)
                                                : scheduler_->NewWorkItem(JobName().c_str(), CLSID_CTask,
                                                                          IID_ITask, task));
    }

    // False when the scheduler or the job could not be had; nothing else
    // may then be asked.
    bool Ready() const { return ready_; }
    ITask& Task() const { return *task_.Get(); }

    // False when the status cannot be read.
    bool ReadStatus(HRESULT& status) const { return SUCCEEDED(task_->GetStatus(&status)); }

    // The job no longer needs the scheduler.
    void DropScheduler() { scheduler_.Reset(); }

    // Deleting goes through the scheduler, and the job must be let go first.
    void DeleteJob()
    {
        task_.Reset();
        scheduler_->Delete(JobName().c_str());
    }

    bool SaveJob() const
    {
        ComRef<IPersistFile> file;
        if (FAILED(task_->QueryInterface(IID_IPersistFile, file.OutVoid())))
            return false;
        return SUCCEEDED(file->Save(nullptr, TRUE));
    }

private:
    ComScope com_;  // first in, last out: COM outlives the interfaces
    ComRef<ITaskScheduler> scheduler_;
    ComRef<ITask> task_;
    bool ready_ = false;
};

bool IsScheduledStatus(HRESULT status)
{
    return status == SCHED_S_TASK_READY || status == SCHED_S_TASK_RUNNING || status == SCHED_S_TASK_HAS_NOT_RUN;
}

// Windows 2000 and XP run a job only under an account; other systems use
// their own default.
bool SystemWantsAccount()
{
    const WindowsVersion version = CurrentWindowsVersion();
    return version.platformId == VER_PLATFORM_WIN32_NT && version.major == 5;
}

} // namespace

bool TaskSchedulerService::EnsureRunning()
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager)
        return false;
    SC_HANDLE service = OpenServiceA(manager, "Schedule", SERVICE_QUERY_STATUS | SERVICE_START);
    CloseServiceHandle(manager);
    if (!service)
        return false;
    SERVICE_STATUS status{};
    bool ok = QueryServiceStatus(service, &status) != FALSE;
    if (ok && status.dwCurrentState != SERVICE_RUNNING)
        ok = StartServiceA(service, 0, nullptr) != FALSE;
    CloseServiceHandle(service);
    return ok;
}

bool TaskSchedulerService::IsJobScheduled()
{
    JobSession job(JobSession::Job::Existing);
    HRESULT status = 0;
    return job.Ready() && job.ReadStatus(status) && IsScheduledStatus(status);
}

bool TaskSchedulerService::DeleteJob()
{
    JobSession job(JobSession::Job::Existing);
    HRESULT status = 0;
    if (!job.Ready() || !job.ReadStatus(status))
        return false;
    if (status == SCHED_S_TASK_RUNNING && FAILED(job.Task().Terminate()))
        return false;
    job.DeleteJob();
    return true;
}

bool TaskSchedulerService::CreateJob()
{
    JobSession job(JobSession::Job::New);
    if (!job.Ready())
        return false;
    ITask& task = job.Task();
    task.SetApplicationName(WideText(ApplicationPath()).c_str());
    task.SetWorkingDirectory(WideText(WorkingDirectory()).c_str());
    task.SetParameters(WideText(ScheduleRecordPath()).c_str());
    return job.SaveJob();
}

bool TaskSchedulerService::ActivateJob(CivilDate firstDay, int hour, int minute)
{
    JobSession job(JobSession::Job::Existing);
    if (!job.Ready())
        return false;
    job.DropScheduler();
    ITask& task = job.Task();

    if (SystemWantsAccount() && askAccount_) {
        const JobAccount account = askAccount_();
        if (FAILED(task.SetAccountInformation(WideText(account.userId).c_str(),
                                              WideText(account.password).c_str())))
            ShowMessage(kAccountNotSetMessage, MessageKind::Error);
    }

    // The job must run once a day, at one time. A job read back can already
    // carry a trigger (Wine's loader makes one up for a job saved without),
    // so anything there goes first.
    WORD existing = 0;
    if (SUCCEEDED(task.GetTriggerCount(&existing)))
        while (existing > 0)
            task.DeleteTrigger(--existing);

    WORD index = 0;
    ComRef<ITaskTrigger> trigger;
    if (FAILED(task.CreateTrigger(&index, trigger.Out())))
        return false;
    TASK_TRIGGER daily{};
    daily.cbTriggerSize = sizeof(daily);
    daily.wBeginYear = static_cast<WORD>(firstDay.year);
    daily.wBeginMonth = static_cast<WORD>(firstDay.month);
    daily.wBeginDay = static_cast<WORD>(firstDay.day);
    daily.wStartHour = static_cast<WORD>(hour);
    daily.wStartMinute = static_cast<WORD>(minute);
    daily.TriggerType = TASK_TIME_TRIGGER_DAILY;
    daily.Type.Daily.DaysInterval = 1;
    if (FAILED(trigger->SetTrigger(&daily)))
        return false;
    job.SaveJob();
    return true;
}
