#include "driver/ScheduledJob.h"

#include <windows.h>
#include <mstask.h>
#include <sddl.h>

#include <algorithm>
#include <cstdio>

namespace e2e {

namespace {

const char* const kTasks = "C:\\windows\\tasks\\";
const char* const kJobName = "Daily Analysis Report";

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0],
                                                        static_cast<int>(wide.size()))) - 1);
    return wide;
}

std::string TaskText(ITask* task, HRESULT (STDMETHODCALLTYPE ITask::*get)(LPWSTR*))
{
    LPWSTR text = nullptr;
    char narrow[1024] = {};
    if (SUCCEEDED((task->*get)(&text)) && text)
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    CoTaskMemFree(text);
    return narrow;
}

std::string TriggersOf(ITask* task)
{
    std::string text;
    WORD count = 0;
    task->GetTriggerCount(&count);
    for (WORD i = 0; i < count; ++i) {
        ITaskTrigger* trigger = nullptr;
        TASK_TRIGGER t{};
        t.cbTriggerSize = sizeof t;
        if (FAILED(task->GetTrigger(i, &trigger)))
            continue;
        trigger->GetTrigger(&t);
        trigger->Release();
        char line[96];
        std::snprintf(line, sizeof line, "%04d-%02d-%02d type %d every %d at %d:%02d;", t.wBeginYear, t.wBeginMonth,
                      t.wBeginDay, t.TriggerType, t.Type.Daily.DaysInterval, t.wStartHour, t.wStartMinute);
        text += line;
    }
    return text;
}

// Calls `use` with the scheduler, inside COM.
template <typename Use> void WithScheduler(Use use)
{
    CoInitialize(nullptr);
    ITaskScheduler* scheduler = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                   reinterpret_cast<void**>(&scheduler)))) {
        use(*scheduler);
        scheduler->Release();
    }
    CoUninitialize();
}

std::vector<std::string> JobNames()
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((std::string(kTasks) + kJobName + "*.job").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data)) {
        const std::string name = data.cFileName;
        names.push_back(name.substr(0, name.size() - 4));
    }
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::vector<std::string> ScheduledJobs()
{
    std::vector<std::string> jobs;
    WithScheduler([&](ITaskScheduler& scheduler) {
        for (const std::string& name : JobNames()) {
            ITask* task = nullptr;
            if (FAILED(scheduler.Activate(Wide(name).c_str(), IID_ITask, reinterpret_cast<IUnknown**>(&task))))
                continue;
            jobs.push_back(name + "|" + TaskText(task, &ITask::GetApplicationName) + "|" +
                           TaskText(task, &ITask::GetWorkingDirectory) + "|" + TaskText(task, &ITask::GetParameters) +
                           "|" + TriggersOf(task));
            task->Release();
        }
    });
    return jobs;
}

std::string AccountJobName()
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    BYTE user[512] = {};
    DWORD size = sizeof user;
    LPSTR sid = nullptr;
    std::string name = kJobName;
    if (GetTokenInformation(token, TokenUser, user, size, &size) &&
        ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(user)->User.Sid, &sid))
        name += " (" + std::string(sid) + ")";
    LocalFree(sid);
    CloseHandle(token);
    return name;
}

void RemoveScheduledJobs()
{
    for (const std::string& name : JobNames())
        DeleteFileA((kTasks + name + ".job").c_str());
}

bool CreateJob(const std::string& name, const std::string& application, const std::string& workingDirectory,
               const std::string& parameters, int hour, int minute)
{
    bool saved = false;
    WithScheduler([&](ITaskScheduler& scheduler) {
        ITask* task = nullptr;
        if (FAILED(scheduler.NewWorkItem(Wide(name).c_str(), CLSID_CTask, IID_ITask,
                                         reinterpret_cast<IUnknown**>(&task))))
            return;
        task->SetApplicationName(Wide(application).c_str());
        task->SetWorkingDirectory(Wide(workingDirectory).c_str());
        task->SetParameters(Wide(parameters).c_str());
        WORD index = 0;
        ITaskTrigger* trigger = nullptr;
        if (SUCCEEDED(task->CreateTrigger(&index, &trigger))) {
            TASK_TRIGGER daily{};
            daily.cbTriggerSize = sizeof daily;
            daily.wBeginYear = 2020;
            daily.wBeginMonth = daily.wBeginDay = 1;
            daily.wStartHour = static_cast<WORD>(hour);
            daily.wStartMinute = static_cast<WORD>(minute);
            daily.TriggerType = TASK_TIME_TRIGGER_DAILY;
            daily.Type.Daily.DaysInterval = 1;
            trigger->SetTrigger(&daily);
            trigger->Release();
        }
        IPersistFile* file = nullptr;
        if (SUCCEEDED(task->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            saved = SUCCEEDED(file->Save(nullptr, TRUE));
            file->Release();
        }
        task->Release();
    });
    return saved;
}

} // namespace e2e
