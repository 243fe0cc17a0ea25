#include "schedule/win/TaskServiceJob.h"

#include "win/WideText.h"

#include <windows.h>
#include <taskschd.h>

namespace {

// The limit of one run: a delivery takes seconds; a run that hangs (a mail
// server that never answers) must not hold the job until the next day.
const wchar_t* const kExecutionTimeLimit = L"PT10M";

// A BSTR for the span of one call.
class Bstr {
public:
    explicit Bstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return text_; }

private:
    BSTR text_;
};

// A BSTR handed out by a call, freed with its holder.
class ReceivedBstr {
public:
    ReceivedBstr() = default;
    ~ReceivedBstr() { SysFreeString(text_); }
    ReceivedBstr(const ReceivedBstr&) = delete;
    ReceivedBstr& operator=(const ReceivedBstr&) = delete;
    BSTR* Out() { return &text_; }
    std::string Text() const { return text_ ? NarrowText(text_, SysStringLen(text_)) : std::string(); }

private:
    BSTR text_ = nullptr;
};

VARIANT NoValue()
{
    VARIANT empty;
    VariantInit(&empty);
    return empty;
}

bool DescribeRun(ITaskDefinition& definition, const std::wstring& userId)
{
    ComRef<IPrincipal> principal;
    ComRef<ITaskSettings> settings;
    if (FAILED(definition.get_Principal(principal.Out())) || FAILED(definition.get_Settings(settings.Out())))
        return false;
    // The user's own logon session, as it is: no stored password, and the
    // rights of a standard user.
    return SUCCEEDED(principal->put_UserId(Bstr(userId))) &&
           SUCCEEDED(principal->put_LogonType(TASK_LOGON_INTERACTIVE_TOKEN)) &&
           SUCCEEDED(principal->put_RunLevel(TASK_RUNLEVEL_LUA)) &&
           SUCCEEDED(settings->put_StartWhenAvailable(VARIANT_TRUE)) &&
           SUCCEEDED(settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE)) &&
           SUCCEEDED(settings->put_StopIfGoingOnBatteries(VARIANT_FALSE)) &&
           SUCCEEDED(settings->put_ExecutionTimeLimit(Bstr(kExecutionTimeLimit))) &&
           SUCCEEDED(settings->put_MultipleInstances(TASK_INSTANCES_IGNORE_NEW)) &&
           SUCCEEDED(settings->put_Enabled(VARIANT_TRUE));
}

bool AddAction(ITaskDefinition& definition, const DailyJob& job)
{
    ComRef<IActionCollection> actions;
    ComRef<IAction> action;
    ComRef<IExecAction> exec;
    return SUCCEEDED(definition.get_Actions(actions.Out())) &&
           SUCCEEDED(actions->Create(TASK_ACTION_EXEC, action.Out())) &&
           SUCCEEDED(action->QueryInterface(IID_IExecAction, exec.OutVoid())) &&
           SUCCEEDED(exec->put_Path(Bstr(WideText(job.program)))) &&
           SUCCEEDED(exec->put_Arguments(Bstr(WideText(job.arguments)))) &&
           SUCCEEDED(exec->put_WorkingDirectory(Bstr(WideText(job.workingDirectory))));
}

bool AddDailyTrigger(ITaskDefinition& definition, const DailyJob& job)
{
    ComRef<ITriggerCollection> triggers;
    ComRef<ITrigger> trigger;
    ComRef<IDailyTrigger> daily;
    return SUCCEEDED(definition.get_Triggers(triggers.Out())) &&
           SUCCEEDED(triggers->Create(TASK_TRIGGER_DAILY, trigger.Out())) &&
           SUCCEEDED(trigger->QueryInterface(IID_IDailyTrigger, daily.OutVoid())) &&
           SUCCEEDED(daily->put_DaysInterval(1)) &&
           SUCCEEDED(trigger->put_StartBoundary(
               Bstr(WideText(StartBoundary(job.firstDay, job.hour, job.minute))))) &&
           SUCCEEDED(trigger->put_Enabled(VARIANT_TRUE));
}

void ReadTriggers(ITaskDefinition& definition, JobReadBack& readBack)
{
    ComRef<ITriggerCollection> triggers;
    LONG count = 0;
    if (FAILED(definition.get_Triggers(triggers.Out())) || FAILED(triggers->get_Count(&count)))
        return;
    readBack.triggerCount = count;
    ComRef<ITrigger> first;
    TASK_TRIGGER_TYPE2 type = TASK_TRIGGER_EVENT;
    if (count < 1 || FAILED(triggers->get_Item(1, first.Out())) || FAILED(first->get_Type(&type)))
        return;
    ReceivedBstr start;
    if (SUCCEEDED(first->get_StartBoundary(start.Out())))
        readBack.startBoundary = start.Text();
    ComRef<IDailyTrigger> daily;
    short interval = 0;
    readBack.dailyTrigger = type == TASK_TRIGGER_DAILY &&
                            SUCCEEDED(first->QueryInterface(IID_IDailyTrigger, daily.OutVoid())) &&
                            SUCCEEDED(daily->get_DaysInterval(&interval));
    readBack.daysInterval = interval;
}

void ReadActions(ITaskDefinition& definition, JobReadBack& readBack)
{
    ComRef<IActionCollection> actions;
    LONG count = 0;
    if (FAILED(definition.get_Actions(actions.Out())) || FAILED(actions->get_Count(&count)))
        return;
    readBack.actionCount = count;
    ComRef<IAction> first;
    ComRef<IExecAction> exec;
    if (count < 1 || FAILED(actions->get_Item(1, first.Out())) ||
        FAILED(first->QueryInterface(IID_IExecAction, exec.OutVoid())))
        return;
    ReceivedBstr program, arguments, folder;
    exec->get_Path(program.Out());
    exec->get_Arguments(arguments.Out());
    exec->get_WorkingDirectory(folder.Out());
    readBack.program = program.Text();
    readBack.arguments = arguments.Text();
    readBack.workingDirectory = folder.Text();
}

} // namespace

TaskServiceJob::TaskServiceJob(const std::wstring& name, const std::wstring& userId) : name_(name), userId_(userId)
{
    if (!com_.Ok() || FAILED(CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                              service_.OutVoid())))
        return;
    if (FAILED(service_->Connect(NoValue(), NoValue(), NoValue(), NoValue())) ||
        FAILED(service_->GetFolder(Bstr(L"\\"), folder_.Out())))
        folder_.Reset();
}

TaskServiceJob::~TaskServiceJob() = default;

bool TaskServiceJob::Exists()
{
    ComRef<IRegisteredTask> task;
    return Available() && SUCCEEDED(folder_->GetTask(Bstr(name_), task.Out()));
}

bool TaskServiceJob::IsScheduled()
{
    ComRef<IRegisteredTask> task;
    TASK_STATE state = TASK_STATE_UNKNOWN;
    VARIANT_BOOL enabled = VARIANT_FALSE;
    return Available() && SUCCEEDED(folder_->GetTask(Bstr(name_), task.Out())) &&
           SUCCEEDED(task->get_Enabled(&enabled)) && enabled != VARIANT_FALSE &&
           SUCCEEDED(task->get_State(&state)) && (state == TASK_STATE_READY || state == TASK_STATE_RUNNING);
}

bool TaskServiceJob::Delete()
{
    ComRef<IRegisteredTask> task;
    if (!Available() || FAILED(folder_->GetTask(Bstr(name_), task.Out())))
        return false;
    TASK_STATE state = TASK_STATE_UNKNOWN;
    if (SUCCEEDED(task->get_State(&state)) && state == TASK_STATE_RUNNING)
        task->Stop(0);
    task.Reset();
    return SUCCEEDED(folder_->DeleteTask(Bstr(name_), 0));
}

bool TaskServiceJob::Register(const DailyJob& job, bool withTrigger, JobReadBack& readBack)
{
    readBack = JobReadBack{};
    ComRef<ITaskDefinition> definition;
    if (!Available() || FAILED(service_->NewTask(0, definition.Out())) || !DescribeRun(*definition.Get(), userId_) ||
        !AddAction(*definition.Get(), job) || (withTrigger && !AddDailyTrigger(*definition.Get(), job)))
        return false;
    ComRef<IRegisteredTask> registered;
    if (FAILED(folder_->RegisterTaskDefinition(Bstr(name_), definition.Get(), TASK_CREATE_OR_UPDATE, NoValue(),
                                               NoValue(), TASK_LOGON_INTERACTIVE_TOKEN, NoValue(),
                                               registered.Out())))
        return false;
    // What the scheduler kept, read back from the job as registered.
    ComRef<IRegisteredTask> stored;
    ComRef<ITaskDefinition> kept;
    if (SUCCEEDED(folder_->GetTask(Bstr(name_), stored.Out())) && SUCCEEDED(stored->get_Definition(kept.Out()))) {
        ReadTriggers(*kept.Get(), readBack);
        ReadActions(*kept.Get(), readBack);
    }
    return true;
}
