#include "schedule/win/TaskSchedulerService.h"

#include "base/DataPaths.h"
#include "win/AccountFolders.h"
#include "schedule/AccountChecks.h"
#include "win/ComRef.h"
#include "win/MessageBoxes.h"
#include "win/WideText.h"
#include "win/WindowsVersion.h"
#include "win/SystemFolder.h"

#include <windows.h>
#include <mstask.h>
#include <objbase.h>

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

// CoInitialize for the span of one operation. On the program's own thread OLE
// is already up, and the call merely counts once more.
class ComScope {
public:
    ComScope() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope()
    {
        if (ok_)
            CoUninitialize();
    }
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

const std::wstring& JobName()
{
    static const std::wstring name = WideText(kScheduledJobName);
    return name;
}

bool CreateScheduler(ComRef<ITaskScheduler>& scheduler)
{
    return SUCCEEDED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                      scheduler.OutVoid()));
}

bool OpenJob(ComRef<ITaskScheduler>& scheduler, ComRef<ITask>& task)
{
    return CreateScheduler(scheduler) &&
           SUCCEEDED(scheduler->Activate(JobName().c_str(), IID_ITask, reinterpret_cast<IUnknown**>(task.Out())));
}

// Opens the job and reads its status; false when there is no job to look at.
bool OpenJobWithStatus(ComRef<ITaskScheduler>& scheduler, ComRef<ITask>& task, HRESULT& status)
{
    return OpenJob(scheduler, task) && SUCCEEDED(task->GetStatus(&status));
}

bool SaveJob(ITask* task)
{
    ComRef<IPersistFile> file;
    if (FAILED(task->QueryInterface(IID_IPersistFile, file.OutVoid())))
        return false;
    return SUCCEEDED(file->Save(nullptr, TRUE));
}

// Windows 2000 and XP run a job only under an account; other systems use
// their own default.
bool SystemWantsAccount()
{
    const WindowsVersion version = CurrentWindowsVersion();
    return version.platformId == VER_PLATFORM_WIN32_NT && version.major == 5;
}

bool IsNineX()
{
    return CurrentWindowsVersion().platformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool EnsureAgentRunning()
{
    if (FindWindowExA(nullptr, nullptr, "SAGEWINDOWCLASS", "SYSTEM AGENT COM WINDOW"))
        return true;
    const std::string agent = SystemFilePath("mstask.exe");
    if (agent.empty())
        return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(agent.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP,
                        nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool EnsureServiceRunning()
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

} // namespace

bool TaskSchedulerService::EnsureRunning()
{
    return IsNineX() ? EnsureAgentRunning() : EnsureServiceRunning();
}

bool TaskSchedulerService::IsJobScheduled()
{
    ComScope com;
    if (!com.Ok())
        return false;
    ComRef<ITaskScheduler> scheduler;
    ComRef<ITask> task;
    HRESULT status = 0;
    if (!OpenJobWithStatus(scheduler, task, status))
        return false;
    return status == SCHED_S_TASK_READY || status == SCHED_S_TASK_RUNNING || status == SCHED_S_TASK_HAS_NOT_RUN;
}

bool TaskSchedulerService::DeleteJob()
{
    ComScope com;
    if (!com.Ok())
        return false;
    ComRef<ITaskScheduler> scheduler;
    ComRef<ITask> task;
    HRESULT status = 0;
    if (!OpenJobWithStatus(scheduler, task, status))
        return false;
    if (status == SCHED_S_TASK_RUNNING && FAILED(task->Terminate()))
        return false;
    task.Reset();
    scheduler->Delete(JobName().c_str());
    return true;
}

bool TaskSchedulerService::CreateJob()
{
    ComScope com;
    if (!com.Ok())
        return false;
    ComRef<ITaskScheduler> scheduler;
    ComRef<ITask> task;
    if (!CreateScheduler(scheduler) ||
        FAILED(scheduler->NewWorkItem(JobName().c_str(), CLSID_CTask, IID_ITask,
                                      reinterpret_cast<IUnknown**>(task.Out()))))
        return false;
    task->SetApplicationName(WideText(ApplicationPath()).c_str());
    task->SetWorkingDirectory(WideText(WorkingDirectory()).c_str());
    task->SetParameters(WideText(ScheduleRecordPath()).c_str());
    return SaveJob(task.Get());
}

bool TaskSchedulerService::ActivateJob(CivilDate firstDay, int hour, int minute)
{
    ComScope com;
    if (!com.Ok())
        return false;
    ComRef<ITaskScheduler> scheduler;
    ComRef<ITask> task;
    if (!OpenJob(scheduler, task))
        return false;
    scheduler.Reset();

    if (SystemWantsAccount() && askAccount_) {
        const JobAccount account = askAccount_();
        if (FAILED(task->SetAccountInformation(WideText(account.userId).c_str(),
                                               WideText(account.password).c_str())))
            ShowMessage(kAccountNotSetMessage, MessageKind::Error);
    }

    // The job must run once a day, at one time. A job read back can already
    // carry a trigger (Wine's loader makes one up for a job saved without),
    // so anything there goes first.
    WORD existing = 0;
    if (SUCCEEDED(task->GetTriggerCount(&existing)))
        while (existing > 0)
            task->DeleteTrigger(--existing);

    WORD index = 0;
    ComRef<ITaskTrigger> trigger;
    if (FAILED(task->CreateTrigger(&index, trigger.Out())))
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
    SaveJob(task.Get());
    return true;
}
