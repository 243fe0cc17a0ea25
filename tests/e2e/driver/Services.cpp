// What the program meets on the machine, set up and read back in the test
// process: the test printer, the recording mail library and the Task
// Scheduler's jobs "Daily Analysis Report...".
#include "driver/Driver.h"

#include "schedule/win/LegacyTaskJob.h"
#include "win/SystemFolder.h"
#include "win/WideText.h"

#include <mstask.h>
#include <wincrypt.h>
#include <sddl.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace e2e {

namespace {

const char* const kPrinterName = "Oracline Test Printer";
const char* const kPpdName = "oracline-test.ppd";
// Where the test printer writes each job.
const char* const kPrintOutput = "C:\\oracline-print.ps";

const char* const kTasks = "C:\\windows\\tasks\\";
const char* const kJobName = "Daily Analysis Report";
// Where Wine's Task Scheduler 2.0 keeps its tasks, one file each.
const std::string kTaskServiceStore = "C:\\windows\\system32\\tasks\\";

std::string TaskText(ITask* task, HRESULT (STDMETHODCALLTYPE ITask::*get)(LPWSTR*))
{
    LPWSTR text = nullptr;
    const std::string narrow = SUCCEEDED((task->*get)(&text)) && text ? NarrowText(text, wcslen(text)) : "";
    CoTaskMemFree(text);
    return narrow;
}

std::string TriggersOf(ITask* task)
{
    std::string text;
    WORD count = 0;
    task->GetTriggerCount(&count);
    for (WORD i = 0; i < count; ++i) {
        ComRef<ITaskTrigger> trigger;
        TASK_TRIGGER t{};
        t.cbTriggerSize = sizeof t;
        if (FAILED(task->GetTrigger(i, trigger.Out())) || FAILED(trigger->GetTrigger(&t)))
            continue;
        char line[96];
        std::snprintf(line, sizeof line, "%04d-%02d-%02d type %d every %d at %d:%02d;", t.wBeginYear, t.wBeginMonth,
                      t.wBeginDay, t.TriggerType, t.Type.Daily.DaysInterval, t.wStartHour, t.wStartMinute);
        text += line;
    }
    return text;
}

// The names in `folder` that begin with the job's name and end in `suffix`,
// without the suffix, sorted.
std::vector<std::string> JobFiles(const std::string& folder, const std::string& suffix)
{
    std::vector<std::string> names;
    for (const std::string& name : EntriesOf(folder))
        if (name.rfind(kJobName, 0) == 0 && name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            names.push_back(name.substr(0, name.size() - suffix.size()));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::string InstallTestPrinter()
{
    auto fail = [](const std::string& what) { return what + " (error " + std::to_string(GetLastError()) + ")"; };
    DeleteFileA(kPrintOutput);
    // Wine's spooler copies a driver's files only from the system folder, so
    // the PPD is put into the driver folder (version-3 drivers live below the
    // environment's) directly; the driver's data file then names it there.
    char folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder), sizeof folder, &needed))
        return fail("GetPrinterDriverDirectoryA");
    std::string ppd = std::string(folder) + "\\3\\" + kPpdName;
    // The build puts the PPD beside the test programs.
    if (!FileExists(ppd) && !CopyFileA(BesideTestExe(kPpdName).c_str(), ppd.c_str(), FALSE))
        return fail("copying " + BesideTestExe(kPpdName) + " to " + ppd);

    std::string printerName = kPrinterName;
    HANDLE printer = nullptr;
    if (!OpenPrinterA(&printerName[0], &printer, nullptr)) {
        char driverFile[] = "wineps.drv", dataType[] = "RAW", processor[] = "WinPrint";
        std::string port = kPrintOutput;
        DRIVER_INFO_3A driver{};
        driver.cVersion = 3, driver.pName = &printerName[0], driver.pDriverPath = driver.pConfigFile = driverFile;
        driver.pDataFile = &ppd[0], driver.pDefaultDataType = dataType;
        if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES))
            return fail("AddPrinterDriverExA");
        PRINTER_INFO_2A info{};
        info.pPrinterName = info.pDriverName = &printerName[0], info.pPortName = &port[0];
        info.pPrintProcessor = processor, info.pDatatype = dataType, info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
        if (!printer)
            return fail("AddPrinterA");
    }
    ClosePrinter(printer);
    char name[256] = {};
    DWORD size = sizeof name;
    if (!SetDefaultPrinterA(kPrinterName) || !GetDefaultPrinterA(name, &size) || name != printerName)
        return fail("making the test printer the default");
    return "";
}

Picture PrintedPage()
{
    // The same bytes twice in a row: the job has been written out.
    std::string last;
    int steady = 0;
    WaitUntil(kWaitMs, [&] {
        Sleep(80);
        const std::string now = ReadFileBytes(kPrintOutput);
        steady = !now.empty() && now == last ? steady + 1 : 0;
        last = now;
        return steady >= 2;
    });
    // Wine starts a Linux program as it does a Windows one but waits neither
    // for it nor for its output, so the picture is written under another name
    // and renamed when complete.
    const char* prefix = std::getenv("WINEPREFIX");  // the Linux path, which Wine hands on
    const std::string picture = "C:\\oracline-print.png", drive = prefix ? prefix + std::string("/drive_c") : "";
    DeleteFileA(picture.c_str());
    if (steady < 2 || drive.empty())
        return {};
    OutputOf("/bin/sh -c \"cd '" + drive + "' && gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=png16m -r" +
             std::to_string(kPrintDotsPerInch) + " -sOutputFile=oracline-print.part oracline-print.ps" +
             " && mv oracline-print.part oracline-print.png\"");
    const bool drawn = WaitUntil(30000, [&] { return FileExists(picture); });
    DeleteFileA(kPrintOutput);
    return drawn ? DecodeImage(picture) : Picture{};
}

bool AnswerPrintDialog(DWORD processId, int button)
{
    HWND print = WaitForDialog(processId, "Print");
    PressButton(print, button);
    return print && WaitUntilGone(print);
}

std::vector<std::string> ReadMailRecord()
{
    const std::string record = ReadFileBytes(kMailRecordPath), call = "MAPISendMail\n";
    std::vector<std::string> mails;
    for (size_t at = record.find(call); at != std::string::npos;) {
        const size_t next = record.find(call, at + call.size());
        mails.push_back(record.substr(at + call.size(), next == std::string::npos ? next : next - at - call.size()));
        at = next;
    }
    return mails;
}

std::string MailItem(const std::string& mail, const std::string& item)
{
    // Found in the text with a line feed before it, the item starts at the
    // same place in the call's own text.
    const size_t at = ("\n" + mail).find("\n" + item + "\t");
    if (at == std::string::npos)
        return {};
    const size_t start = at + item.size() + 1;
    return mail.substr(start, mail.find('\n', start) - start);
}

void RegisterTestMailProgram(bool registered)
{
    const std::string program = registered ? "Oracline Test Mail" : "Native Mail Client";
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", nullptr, REG_SZ, program.c_str(), static_cast<DWORD>(program.size() + 1));
    const std::string library = SystemFilePath("mapi32.dll");
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail\\Oracline Test Mail", "DLLPath", REG_SZ,
                    library.c_str(), static_cast<DWORD>(library.size() + 1));
}

void PrepareMailRecord()
{
    CopyFileA(BesideTestExe("mapi32.dll").c_str(), SystemFilePath("mapi32.dll").c_str(), FALSE);
    RegisterTestMailProgram(true);
    DeleteFileA(kMailRecordPath);
    for (int i = 1; DeleteFileA(AttachmentCopy(i).c_str()); ++i) {}
}

// "logged on" for a job that runs only in its user's session, "off" for a
// disabled one, blank-separated.
std::string FlagsOf(ITask* task)
{
    DWORD flags = 0;
    task->GetFlags(&flags);
    std::string text = flags & TASK_FLAG_RUN_ONLY_IF_LOGGED_ON ? "logged on" : "";
    if (flags & TASK_FLAG_DISABLED)
        text += text.empty() ? "off" : " off";
    return text;
}

std::vector<std::string> ScheduledJobs()
{
    std::vector<std::string> jobs;
    const ComScope com;
    ComRef<ITaskScheduler> scheduler;
    if (FAILED(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler, scheduler.OutVoid())))
        return jobs;
    for (const std::string& name : JobFiles(kTasks, ".job")) {
        ComRef<ITask> task;
        if (FAILED(scheduler->Activate(WideText(name).c_str(), IID_ITask, reinterpret_cast<IUnknown**>(task.Out()))))
            continue;
        jobs.push_back(name + "|" + TaskText(task.Get(), &ITask::GetApplicationName) + "|" + TaskText(task.Get(), &ITask::GetWorkingDirectory) + "|" +
                       TaskText(task.Get(), &ITask::GetParameters) + "|" + FlagsOf(task.Get()) + "|" + TriggersOf(task.Get()));
    }
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
    if (GetTokenInformation(token, TokenUser, user, size, &size) && ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(user)->User.Sid, &sid))
        name += " (" + std::string(sid) + ")";
    LocalFree(sid);
    CloseHandle(token);
    return name;
}

void RemoveScheduledJobs()
{
    for (const std::string& name : JobFiles(kTasks, ".job"))
        DeleteFileA((kTasks + name + ".job").c_str());
    for (const std::string& name : TaskServiceJobs())
        DeleteFileA((kTaskServiceStore + name).c_str());
}

std::vector<std::string> TaskServiceJobs() { return JobFiles(kTaskServiceStore, ""); }

bool CreateJob(const std::string& name, const std::string& application, const std::string& workingDirectory,
               const std::string& parameters, int hour, int minute)
{
    // Saved through the program's own 1.0 job, as earlier versions saved theirs.
    const DailyJob job{application, parameters, workingDirectory, {2020, 1, 1}, hour, minute};
    LegacyTaskJob task(LegacyTaskJob::Job::New, WideText(name));
    return task.Describe(job) && task.SetDailyTrigger(job);
}

bool TrustTestAuthority()
{
    const std::string der = ReadFileBytes(kServerFolder + "authority.der");
    HCERTSTORE roots = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root");
    const BYTE* bytes = reinterpret_cast<const BYTE*>(der.data());
    const bool added = roots && !der.empty() && CertAddEncodedCertificateToStore(roots, X509_ASN_ENCODING, bytes, static_cast<DWORD>(der.size()),
                                                                                 CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    if (roots)
        CertCloseStore(roots, 0);
    return added;
}

} // namespace e2e
