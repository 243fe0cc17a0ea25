// The setup and the uninstaller, run in a Wine prefix of their own on which
// Oracline was never installed (see fresh-prefix.sh).
#include "driver/MainWindowDriver.h"

#include <initguid.h>
#include <mstask.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

using namespace e2e;

namespace {

const char* const kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Oracline";
const char* const kJobFile = "C:\\windows\\tasks\\Daily Analysis Report.job";
const char* const kIcaclsLog = "C:\\icacls-calls.txt";
const std::map<std::string, std::string> kUserData = {
    {"oc.ini", "Ann Example\nAnn\nAutomatic\n"}, {"Ann.ini", "Full Name:Ann Example\n"},
    {"contacts.ini", "Name:Bob\nEmail:bob@example.com\n"}, {"task.dtr", "Email:bob@example.com\n"},
    {"Reports\\March.jpg", "\xFF\xD8\xFF report"}};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CommonFolder(int id)
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, id, nullptr, 0, path);
    return std::string(path) + "\\Oracline.lnk";
}

std::string UninstallValue(const char* name)
{
    char text[MAX_PATH] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "(missing)";
    return text;
}

DWORD UninstallNumber(const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueA(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// Starts a program; with `wait`, until it ends.
DWORD Start(const std::string& commandLine, bool wait)
{
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 0;
    if (wait)
        WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return process.dwProcessId;
}

// A window of the uninstaller: its own, or with `question` its message box.
HWND UninstallerWindow(bool question)
{
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", nullptr));)
        if (TextOf(window).rfind("Oracline Uninstall", 0) == 0 && (GetDlgItem(window, IDYES) != nullptr) == question)
            return window;
    return nullptr;
}

// The uninstaller hands over to a copy of itself in the temporary folder
// and ends; this waits for that copy.
bool WaitForUninstallerCopy(DWORD starter)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    HANDLE copy = nullptr;
    for (BOOL more = Process32First(snapshot, &entry); more && !copy; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == starter)
            copy = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
    CloseHandle(snapshot);
    const bool ended = copy && WaitForSingleObject(copy, 60000) == WAIT_OBJECT_0;
    if (copy)
        CloseHandle(copy);
    return ended;
}

// The job as the Schedule dialog registers it.
void ScheduleJob()
{
    CoInitialize(nullptr);
    ITaskScheduler* scheduler = nullptr;
    ITask* task = nullptr;
    IPersistFile* file = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskScheduler,
                               reinterpret_cast<void**>(&scheduler)), S_OK);
    scheduler->NewWorkItem(L"Daily Analysis Report", CLSID_CTask, IID_ITask, reinterpret_cast<IUnknown**>(&task));
    task->SetApplicationName(L"C:\\Program Files\\Oracline\\Oracline.exe");
    task->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    file->Save(nullptr, TRUE);
    file->Release();
    task->Release();
    scheduler->Release();
    CoUninitialize();
    ASSERT_TRUE(Exists(kJobFile));
}

class Setup : public ::testing::Test {
protected:
    void SetUp() override
    {
        Start("\"" + BesideTestExe(SETUP_NAME) + "\" /S", true);
        ASSERT_TRUE(Exists(DataDirectory() + "uninstall.exe")) << "the silent setup installed nothing";
    }

    void PutUserData()
    {
        for (const auto& file : kUserData)
            std::ofstream(DataDirectory() + file.first, std::ios::binary) << file.second;
    }

    void ExpectUserDataKept()
    {
        for (const auto& file : kUserData)
            EXPECT_EQ(Contents(DataDirectory() + file.first), file.second) << file.first;
    }

    void ExpectProgramGone()
    {
        for (const char* name : {"Oracline.exe", "uninstall.exe", "Readme.txt", "aries.gif", "pisces.gif"})
            EXPECT_FALSE(Exists(DataDirectory() + name)) << name;
        EXPECT_FALSE(Exists(CommonFolder(CSIDL_COMMON_PROGRAMS)));
        EXPECT_EQ(UninstallValue("DisplayName"), "(missing)");
    }
};

} // namespace

TEST_F(Setup, SilentSetupInstallsRegistersAndStarts)
{
    for (const char* name : {"Oracline.exe", "uninstall.exe", "Readme.txt", "Reports", "aries.gif", "taurus.gif",
                             "gemini.gif", "cancer.gif", "leo.gif", "virgo.gif", "libra.gif", "scorpio.gif",
                             "sagittarius.gif", "capricorn.gif", "aquarius.gif", "pisces.gif"})
        EXPECT_TRUE(Exists(DataDirectory() + name)) << name;
    EXPECT_NE(Contents(kIcaclsLog).find("\"C:\\Program Files\\Oracline\" /grant *S-1-5-32-545:(OI)(CI)M"),
              std::string::npos) << Contents(kIcaclsLog);
    EXPECT_TRUE(Exists(CommonFolder(CSIDL_COMMON_PROGRAMS)));
    EXPECT_FALSE(Exists(CommonFolder(CSIDL_COMMON_DESKTOPDIRECTORY))) << "the desktop one is only on request";

    const std::string dir = "C:\\Program Files\\Oracline";
    const std::map<std::string, std::string> values = {
        {"DisplayName", "Oracline"}, {"DisplayVersion", ORACLINE_VERSION}, {"Publisher", "Oracline"},
        {"DisplayIcon", dir + "\\Oracline.exe,0"}, {"InstallLocation", dir},
        {"UninstallString", "\"" + dir + "\\uninstall.exe\""},
        {"QuietUninstallString", "\"" + dir + "\\uninstall.exe\" /S"}};
    for (const auto& value : values)
        EXPECT_EQ(UninstallValue(value.first.c_str()), value.second) << value.first;
    EXPECT_EQ(UninstallNumber("NoModify"), 1u);
    EXPECT_EQ(UninstallNumber("NoRepair"), 1u);
    EXPECT_GT(UninstallNumber("EstimatedSize"), 1000u) << "in KB, at least the exe";

    DeleteFileA((DataDirectory() + "oc.ini").c_str());  // so the first start's page comes first
    const DWORD program = Start("\"" + DataDirectory() + "Oracline.exe\"", false);
    HWND introduction = WaitForDialog(program, kIntroductionCaption);
    ASSERT_TRUE(introduction) << "the installed program did not start";
    CloseDialog(introduction);
    EXPECT_TRUE(WaitForDialog(program, kMainWindowCaption)) << "no main window";
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program);
    TerminateProcess(process, 0);
    WaitForSingleObject(process, kWaitMs);
    CloseHandle(process);
}

TEST_F(Setup, SecondSetupKeepsTheUsersData)
{
    PutUserData();
    SetUp();
    ExpectUserDataKept();
}

TEST_F(Setup, SilentUninstallRemovesProgramAndJobButKeepsData)
{
    ScheduleJob();
    PutUserData();
    ASSERT_TRUE(WaitForUninstallerCopy(Start(UninstallValue("QuietUninstallString"), true)));
    ExpectProgramGone();
    EXPECT_FALSE(Exists(kJobFile));
    ExpectUserDataKept();
}

TEST_F(Setup, UninstallAnsweredRemoveTakesTheDataToo)
{
    PutUserData();
    const DWORD starter = Start(UninstallValue("UninstallString"), true);
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return (confirm = UninstallerWindow(false)) != nullptr; }));
    PostMessageA(confirm, WM_COMMAND, IDOK, 0);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return (question = UninstallerWindow(true)) != nullptr; }))
        << "the uninstaller did not ask about the user's data";
    EXPECT_NE(TextOf(GetDlgItem(question, 0xFFFF)).find("profiles, contacts"), std::string::npos);
    PressButton(question, IDYES);
    ASSERT_TRUE(WaitForUninstallerCopy(starter));
    ExpectProgramGone();
    EXPECT_FALSE(Exists(DataDirectory())) << "the data folder stayed";
}
