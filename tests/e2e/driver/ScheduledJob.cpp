#include "driver/ScheduledJob.h"

#include <windows.h>
#include <mstask.h>

#include <cstdio>

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

std::string ScheduledJobText()
{
    std::string text;
    CoInitialize(nullptr);
    ITaskScheduler* scheduler = nullptr;
    ITask* task = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                                   reinterpret_cast<void**>(&scheduler))) &&
        SUCCEEDED(scheduler->Activate(L"Daily Analysis Report", IID_ITask, reinterpret_cast<IUnknown**>(&task)))) {
        text = TaskText(task, &ITask::GetApplicationName) + "|" + TaskText(task, &ITask::GetWorkingDirectory) + "|" +
               TaskText(task, &ITask::GetParameters) + "|";
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
            std::snprintf(line, sizeof line, "%04d-%02d-%02d type %d every %d at %d:%02d;", t.wBeginYear,
                          t.wBeginMonth, t.wBeginDay, t.TriggerType, t.Type.Daily.DaysInterval, t.wStartHour,
                          t.wStartMinute);
            text += line;
        }
        task->Release();
    }
    if (scheduler)
        scheduler->Release();
    CoUninitialize();
    return text;
}

} // namespace e2e
