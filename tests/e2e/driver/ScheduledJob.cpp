#include "driver/ScheduledJob.h"

namespace e2e {

namespace {

std::string TaskText(ITask* task, HRESULT (STDMETHODCALLTYPE ITask::*get)(LPWSTR*))
{
    LPWSTR text = nullptr;
    char narrow[1024] = {};
    if (SUCCEEDED((task->*get)(&text)) && text)
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
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
        SUCCEEDED(scheduler->Activate(L"Daily Analysis Report", IID_ITask, reinterpret_cast<IUnknown**>(&task)))) {
        job.exists = true;
        job.application = TaskText(task, &ITask::GetApplicationName);
        job.workingDirectory = TaskText(task, &ITask::GetWorkingDirectory);
        job.parameters = TaskText(task, &ITask::GetParameters);
        WORD count = 0;
        task->GetTriggerCount(&count);
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

} // namespace e2e
