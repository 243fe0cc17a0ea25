// The program's own windows as the tests drive them: the main window and its
// profile list, the Daily Analysis and hourly windows, and what the engine
// says they should show.
#include "driver/Driver.h"

#include "res/DailyAnalysisWindowIds.h"
#include "res/MainWindowIds.h"

#include <commctrl.h>

#include <cstring>

namespace e2e {

const char* const kMainWindowCaption = "Oracline 2005  -  For entertainment purposes only";
const char* const kIntroductionCaption = " Oracline 2005 - Take full control of your past, present and future today.";

namespace {

// Sends `message` with an lParam pointing to a copy of `bytes` made inside
// the list's own process, and reads the copy back into `bytes`. `prepare`
// may fill in pointers once the copy's address is known.
LRESULT SendThroughProcess(HWND list, UINT message, WPARAM wParam, std::string& bytes, const std::function<void(char*)>& prepare = nullptr)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    auto* remote = process ? static_cast<char*>(VirtualAllocEx(process, nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) : nullptr;
    LRESULT result = 0;
    if (remote) {
        if (prepare)
            prepare(remote);
        WriteProcessMemory(process, remote, bytes.data(), bytes.size(), nullptr);
        result = SendMessageA(list, message, wParam, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &bytes[0], bytes.size(), nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    if (process)
        CloseHandle(process);
    return result;
}

// The row's bounds in the list's client coordinates; empty when unknown.
RECT ItemRect(HWND list, int row)
{
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    std::string bytes(reinterpret_cast<const char*>(&rect), sizeof(rect));
    if (!SendThroughProcess(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), bytes))
        return RECT{};
    std::memcpy(&rect, bytes.data(), sizeof(rect));
    return rect;
}

void Click(HWND list, LPARAM position, WPARAM keys = 0)
{
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, position);
    PostMessageA(list, WM_LBUTTONUP, keys, position);
}

} // namespace

int ListViewDriver::RowCount() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListViewDriver::CellText(int row, int column) const
{
    const int textSize = 512;
    std::string bytes(sizeof(LVITEMA) + textSize, '\0');
    auto point = [&](char* remote) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = remote + sizeof(LVITEMA);
        item.cchTextMax = textSize;
        std::memcpy(&bytes[0], &item, sizeof(item));
    };
    const LRESULT length = SendThroughProcess(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), bytes, point);
    return bytes.substr(sizeof(LVITEMA), length > 0 ? static_cast<size_t>(length) : 0);
}

std::vector<int> ListViewDriver::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (SendMessageA(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

void ListViewDriver::ClickRow(int row, bool control, bool twice) const
{
    const RECT rect = ItemRect(list_, row);
    // The first column's text is what a user aims at.
    const LPARAM position = MAKELPARAM(rect.left + 20, (rect.top + rect.bottom) / 2);
    Click(list_, position, control ? MK_CONTROL : 0);
    if (twice) {
        PostMessageA(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, position);
        PostMessageA(list_, WM_LBUTTONUP, 0, position);
    }
}

void ListViewDriver::ClickEmptySpace() const
{
    RECT client{};
    GetClientRect(list_, &client);
    const RECT last = RowCount() > 0 ? ItemRect(list_, RowCount() - 1) : RECT{};
    Click(list_, MAKELPARAM(20, last.bottom + 4 < client.bottom ? (last.bottom + client.bottom) / 2 : client.bottom - 4));
}

std::string IndexFileText(const std::vector<TestProfile>& profiles)
{
    std::string text;
    for (const TestProfile& p : profiles)
        text += "Profile:" + p.fullName + "\r\nDescription:" + p.description + "\r\nAdjustment:" + (p.manual ? "Manual" : "Automatic") + "\r\n";
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

MainWindowSession::MainWindowSession(const std::map<std::string, std::string>& files, const std::string& commandLine, bool waitForMainWindow)
{
    ResetDataDirectory(files);
    CreateDirectoryA(DataDirectory().c_str(), nullptr);
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

bool MainWindowSession::ChooseDate(const CivilDate& date) const
{
    return ComboDriver(window_, IDC_YEAR).ChooseText(std::to_string(date.year)) &&
           ComboDriver(window_, IDC_MONTH).ChooseText(std::to_string(date.month)) &&
           ComboDriver(window_, IDC_DAY).ChooseText(std::to_string(date.day));
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
    return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) && info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
}

void MainWindowSession::Settle() const
{
    Sleep(300);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

bool MainWindowSession::Close() { return window_ && (CloseDialog(window_), run_->WaitForExit()); }

std::string EmailSavingFirst(DWORD processId, HWND daily, const std::string& path)
{
    PressButton(daily, IDC_DAILY_EMAIL);
    const std::string reminder = AnswerMessage(processId, IDOK, 2000);
    EnterFileName(WaitForDialog(processId, "Save Report"), path);
    return reminder + "|" + AnswerMessage(processId);
}

DailySession::DailySession(const TestProfile& profile, const CivilDate& date)
    : main_(DataFilesFor({profile})), profilePath_(DataDirectory() + profile.description + ".ini"), date_(date)
{
    // Analyze Day on the first row, with the date chosen in the main window.
    const std::string caption = TitleOn(date);
    if (!main_.Window() || caption.empty())
        return;
    main_.List().ClickRow(0);
    main_.Settle();
    if (!main_.ChooseDate(date))
        return;
    main_.Press(IDOK);
    daily_ = WaitForDialog(ProcessId(), caption);
    EXPECT_TRUE(daily_) << "no window captioned \"" << caption << "\"";
    dailyTitle_ = daily_ ? caption : "";
    main_.Settle();
}

HWND DailySession::OpenHourly(int kind)
{
    std::string title;
    ComputeSingleReading(kind, profilePath_, date_, date_, title);
    if (!daily_)
        return nullptr;
    PressButton(daily_, IDC_DAILY_EMOTIONAL - 1 + kind);
    return WaitForDialog(ProcessId(), title);
}

} // namespace e2e
