#include "schedule/win/TaskSchedulerService.h"

#include "base/DataPaths.h"
#include "schedule/AccountChecks.h"
#include "schedule/win/TaskServiceJob.h"
#include "win/AccountFolders.h"
#include "win/MessageBoxes.h"
#include "win/ScopedHandle.h"
#include "win/WideText.h"
#include "win/WindowsVersion.h"

#include <windows.h>
#include <sddl.h>

#include <vector>

namespace {

constexpr int kServiceStartMs = 10000;
constexpr int kServicePollMs = 100;

// The running account's security identifier ("S-1-5-21-..."), or empty.
std::string AccountSid()
{
    KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return "";
    std::string sid;
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size ? size : 1);
    LPSTR text = nullptr;
    if (size && GetTokenInformation(token.Get(), TokenUser, user.data(), size, &size) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
        sid = text;
        LocalFree(text);
    }
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

// The job of this account: the installed program on the account's own
// record, in the account's own folder (no other account can put anything
// where the run starts).
DailyJob AccountJob(CivilDate firstDay = {}, int hour = 0, int minute = 0)
{
    const std::string& folder = AccountDataDirectory();
    return {std::string(DataPaths::programDirectory) + "Oracline.exe", ScheduleRecordPath(),
            folder.substr(0, folder.size() - 1), firstDay, hour, minute};
}

enum class System { Old, NeedsAccount, Current };

// Windows 2000 and XP run a 1.0 job only under an account with its
// password; Vista and later have the 2.0 interfaces; anything older neither.
System RunningSystem()
{
    const WindowsVersion version = CurrentWindowsVersion();
    if (version.platformId != VER_PLATFORM_WIN32_NT || version.major < 5)
        return System::Old;
    return version.major == 5 ? System::NeedsAccount : System::Current;
}

std::wstring LoggedOnUser()
{
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? std::wstring(name) : std::wstring();
}

TaskServiceJob TaskService() { return TaskServiceJob(JobName(), WideText(AccountSid())); }

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
        ok = StartServiceA(service, 0, nullptr) != FALSE || GetLastError() == ERROR_SERVICE_ALREADY_RUNNING;
    // A job written while the scheduler is still starting can go unseen
    // (Wine's watches its folder only once it is up), so the job is
    // registered once it runs. Windows keeps it running anyway.
    for (int waited = 0; ok && waited < kServiceStartMs && status.dwCurrentState != SERVICE_RUNNING;
         waited += kServicePollMs) {
        Sleep(kServicePollMs);
        ok = QueryServiceStatus(service, &status) != FALSE;
    }
    CloseServiceHandle(service);
    return ok;
}

bool TaskSchedulerService::IsJobScheduled()
{
    return TaskService().IsScheduled() || LegacyTaskJob(LegacyTaskJob::Job::Existing, JobName()).IsScheduled();
}

bool TaskSchedulerService::DeleteJob()
{
    // Either kind may be there (a job saved by an earlier build, or on the
    // system before an upgrade), and both go.
    const bool taskService = TaskService().Delete();
    const bool legacy = LegacyTaskJob(LegacyTaskJob::Job::Existing, JobName()).Delete();
    return taskService || legacy;
}

bool TaskSchedulerService::CreateJob()
{
    kind_ = Kind::Legacy;
    if (RunningSystem() == System::Current) {
        TaskServiceJob service = TaskService();
        JobReadBack readBack;
        if (service.Available() && service.Register(AccountJob(), false, readBack)) {
            if (HoldsAction(readBack, AccountJob())) {
                kind_ = Kind::TaskService;
                return true;
            }
            // Accepted but not kept: a job that would never run.
            service.Delete();
        }
    }
    return CreateLegacyJob();
}

bool TaskSchedulerService::ActivateJob(CivilDate firstDay, int hour, int minute)
{
    const DailyJob job = AccountJob(firstDay, hour, minute);
    if (kind_ == Kind::TaskService) {
        TaskServiceJob service = TaskService();
        JobReadBack readBack;
        if (service.Register(job, true, readBack) && HoldsDailyJob(readBack, job))
            return true;
        service.Delete();
        kind_ = Kind::Legacy;
        if (!CreateLegacyJob())
            return false;
    }
    return ActivateLegacyJob(job);
}

bool TaskSchedulerService::CreateLegacyJob()
{
    kind_ = Kind::Legacy;
    return LegacyTaskJob(LegacyTaskJob::Job::New, JobName()).Describe(AccountJob());
}

bool TaskSchedulerService::ActivateLegacyJob(const DailyJob& job)
{
    LegacyTaskJob legacy(LegacyTaskJob::Job::Existing, JobName());
    if (!legacy.Ready())
        return false;
    const System system = RunningSystem();
    if (system == System::NeedsAccount && askAccount_) {
        if (!legacy.SetAccount(askAccount_()))
            ShowMessage(kAccountNotSetMessage, MessageKind::Error);
    } else if (system == System::Current) {
        // Without an account such a job must not be started at all; with
        // the user's, only in the user's own session, which needs no
        // password. A scheduler that keeps no accounts (Wine's) runs it
        // regardless.
        legacy.RunOnlyIfLoggedOn(LoggedOnUser());
    }
    return legacy.SetDailyTrigger(job);
}

bool TaskSchedulerService::AdoptSharedJob()
{
    const std::wstring sharedRecord =
        WideText(std::string(DataPaths::programDirectory) + DataPaths::scheduleRecordName);
    LegacyTaskJob shared(LegacyTaskJob::Job::Existing, WideText(kScheduledJobName));
    if (!shared.StartsOn(sharedRecord))
        return false;
    // Saved under this account's name first, the shared job deleted after:
    // should the account not be allowed to delete it (it is another
    // account's, which that account's own run takes over), its copy goes
    // again, and the mail is never sent twice or not at all.
    const bool ownExists =
        LegacyTaskJob(LegacyTaskJob::Job::Existing, JobName()).Ready() || TaskService().Exists();
    if (!ownExists && !shared.SaveAsHeldOff(AccountJob(), JobName()))
        return false;
    if (shared.Delete())
        return true;
    if (!ownExists)
        LegacyTaskJob(LegacyTaskJob::Job::Existing, JobName()).Delete();
    return false;
}
