#include "driver/ScheduledJob.h"

#include <objbase.h>

namespace e2e {

namespace {

const wchar_t* const kJobName = L"Daily Analysis Report";

std::string Narrow(const wchar_t* text)
{
    if (!text)
        return "";
    char buffer[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

template <typename Get>
std::string TaskText(ITask* task, Get get)
{
    LPWSTR text = nullptr;
    if (FAILED((task->*get)(&text)))
        return "(failed)";
    std::string narrow = Narrow(text);
    CoTaskMemFree(text);
    return narrow;
}

} // namespace

ScheduledJob ReadScheduledJob()
{
    ScheduledJob job;
    CoInitialize(nullptr);
    ITaskScheduler* scheduler = nullptr;
    ITask* task = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                   reinterpret_cast<void**>(&scheduler))) &&
        SUCCEEDED(scheduler->Activate(kJobName, IID_ITask, reinterpret_cast<IUnknown**>(&task)))) {
        job.exists = true;
        job.application = TaskText(task, &ITask::GetApplicationName);
        job.workingDirectory = TaskText(task, &ITask::GetWorkingDirectory);
        job.parameters = TaskText(task, &ITask::GetParameters);
        WORD count = 0;
        if (SUCCEEDED(task->GetTriggerCount(&count)))
            job.triggerCount = count;
        ITaskTrigger* trigger = nullptr;
        if (count > 0 && SUCCEEDED(task->GetTrigger(0, &trigger))) {
            trigger->GetTrigger(&job.trigger);
            trigger->Release();
        }
        task->Release();
    }
    if (scheduler)
        scheduler->Release();
    CoUninitialize();
    return job;
}

void DeleteScheduledJob()
{
    CoInitialize(nullptr);
    ITaskScheduler* scheduler = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                   reinterpret_cast<void**>(&scheduler)))) {
        scheduler->Delete(kJobName);
        scheduler->Release();
    }
    CoUninitialize();
}

} // namespace e2e
