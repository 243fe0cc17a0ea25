#include "driver/MainWindowDriver.h"

#include "res/MainWindowIds.h"

namespace e2e {

const char* const kMainWindowCaption = "Oracline 2005  -  For entertainment purposes only";
const char* const kIntroductionCaption =
    " Oracline 2005 - Take full control of your past, present and future today.";

std::string IndexFileText(const std::vector<TestProfile>& profiles)
{
    std::string text;
    for (const TestProfile& p : profiles)
        text += "Profile:" + p.fullName + "\r\nDescription:" + p.description + "\r\nAdjustment:" +
                (p.manual ? "Manual" : "Automatic") + "\r\n";
    return text;
}

std::string ProfileFileText(const TestProfile& p)
{
    return "Profile:" + p.description + "\r\nName:" + p.fullName + "\r\nYourMonth:" + std::to_string(p.month) +
           "\r\nYourDate:" + std::to_string(p.day) + "\r\nYourYear:" + std::to_string(p.year) + "\r\n";
}

std::map<std::string, std::string> DataFilesFor(const std::vector<TestProfile>& profiles)
{
    std::map<std::string, std::string> files{{"oc.ini", IndexFileText(profiles)}};
    for (const TestProfile& p : profiles)
        files[p.description + ".ini"] = ProfileFileText(p);
    return files;
}

std::string DataFile(const std::string& name) { return ReadFileBytes(DataDirectory() + name); }
std::string PageFile(const std::string& name) { return ReadFileBytes(PagesDirectory() + name); }

MainWindowSession::MainWindowSession(const std::map<std::string, std::string>& files,
                                     const std::string& commandLine, bool waitForMainWindow)
{
    ResetDataDirectory();
    CreateDirectoryA(DataDirectory().c_str(), nullptr);
    for (const auto& file : files)
        WriteFileBytes(DataDirectory() + file.first, file.second);
    run_ = std::make_unique<ProgramRun>(commandLine);
    if (waitForMainWindow)
        WaitForMainWindow();
}

HWND MainWindowSession::WaitForMainWindow()
{
    window_ = WaitForDialog(run_->ProcessId(), kMainWindowCaption);
    // The first hint and its focus arrive just after the window shows.
    if (window_)
        Settle();
    return window_;
}

ListViewDriver MainWindowSession::List() const { return ListViewDriver(GetDlgItem(window_, IDC_PROFILE_LIST)); }

bool MainWindowSession::ChooseDate(int year, int month, int day) const
{
    return ComboDriver(window_, IDC_YEAR).ChooseText(std::to_string(year)) &&
           ComboDriver(window_, IDC_MONTH).ChooseText(std::to_string(month)) &&
           ComboDriver(window_, IDC_DAY).ChooseText(std::to_string(day));
}

std::string MainWindowSession::EnabledButtons() const
{
    return EnabledLetters(window_, {{IDC_ADD_PROFILE, 'A'}, {IDC_EDIT_PROFILE, 'E'}, {IDC_DELETE_PROFILE, 'D'},
                                    {IDOK, 'Y'}, {IDC_SCHEDULE, 'S'}, {IDC_OPEN_REPORT, 'O'},
                                    {IDC_COMPANION, 'C'}, {IDC_DREAMS, 'R'}, {IDC_HELP_BUTTON, 'H'}});
}

int MainWindowSession::FocusedControlId() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) || !info.hwndFocus)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

void MainWindowSession::Settle() const
{
    Sleep(300);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

bool MainWindowSession::Close()
{
    if (!window_)
        return false;
    CloseDialog(window_);
    return run_->WaitForExit();
}

} // namespace e2e
