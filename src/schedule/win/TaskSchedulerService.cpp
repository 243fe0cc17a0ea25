#include "schedule/win/TaskSchedulerService.h"

#include "base/DataPaths.h"
#include "schedule/AccountChecks.h"
#include "win/MessageBoxes.h"
#include "win/WideText.h"

#include <windows.h>
#include <mstask.h>
#include <objbase.h>

namespace {

const char* const kApplication = "C:\\Program Files\\Oracline\\Oracline.exe";
const char* const kWorkingDirectory = "C:\\Program Files\\Oracline";

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

// Releases an interface when it goes out of scope.
template <typename T>
class Ref {
public:
    Ref() = default;
    ~Ref() { Reset(); }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    T** Out() { Reset(); return &p_; }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    void Reset()
    {
        if (p_)
            p_->Release();
        p_ = nullptr;
    }

private:
    T* p_ = nullptr;
};

const std::wstring& JobName()
{
    static const std::wstring name = WideText(kScheduledJobName);
    return name;
}

bool CreateScheduler(Ref<ITaskScheduler>& scheduler)
{
    return SUCCEEDED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                      scheduler.OutVoid()));
}

bool OpenJob(Ref<ITaskScheduler>& scheduler, Ref<ITask>& task)
{
    return CreateScheduler(scheduler) &&
           SUCCEEDED(scheduler->Activate(JobName().c_str(), IID_ITask, reinterpret_cast<IUnknown**>(task.Out())));
}

// Opens the job and reads its status; false when there is no job to look at.
bool OpenJobWithStatus(Ref<ITaskScheduler>& scheduler, Ref<ITask>& task, HRESULT& status)
{
    return OpenJob(scheduler, task) && SUCCEEDED(task->GetStatus(&status));
}

bool SaveJob(ITask* task)
{
    Ref<IPersistFile> file;
    if (FAILED(task->QueryInterface(IID_IPersistFile, file.OutVoid())))
        return false;
    return SUCCEEDED(file->Save(nullptr, TRUE));
}

// Windows 2000 and XP run a job only under an account; other systems use
// their own default.
bool SystemWantsAccount()
{
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof(extended);
    OSVERSIONINFOA* info = reinterpret_cast<OSVERSIONINFOA*>(&extended);
    if (!GetVersionExA(info)) {
        info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(info))
            return false;
    }
    return info->dwPlatformId == VER_PLATFORM_WIN32_NT && info->dwMajorVersion == 5;
}

bool IsNineX()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool EnsureAgentRunning()
{
    if (FindWindowExA(nullptr, nullptr, "SAGEWINDOWCLASS", "SYSTEM AGENT COM WINDOW"))
        return true;
    // From the system folder only: a search by name looks beside the exe first.
    char system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const std::string agent = std::string(system) + "\\mstask.exe";
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
    Ref<ITaskScheduler> scheduler;
    Ref<ITask> task;
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
    Ref<ITaskScheduler> scheduler;
    Ref<ITask> task;
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
    Ref<ITaskScheduler> scheduler;
    Ref<ITask> task;
    if (!CreateScheduler(scheduler) ||
        FAILED(scheduler->NewWorkItem(JobName().c_str(), CLSID_CTask, IID_ITask,
                                      reinterpret_cast<IUnknown**>(task.Out()))))
        return false;
    task->SetApplicationName(WideText(kApplication).c_str());
    task->SetWorkingDirectory(WideText(kWorkingDirectory).c_str());
    task->SetParameters(WideText(DataPaths::scheduleRecordPath).c_str());
    return SaveJob(task.Get());
}

bool TaskSchedulerService::ActivateJob(CivilDate firstDay, int hour, int minute)
{
    ComScope com;
    if (!com.Ok())
        return false;
    Ref<ITaskScheduler> scheduler;
    Ref<ITask> task;
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
    Ref<ITaskTrigger> trigger;
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
