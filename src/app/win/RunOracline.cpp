#include "app/win/RunOracline.h"

#include "base/SafeFileWriter.h"
#include "app/OperatingSystemName.h"
#include "app/win/InteractiveMode.h"
#include "app/win/SharedDataMove.h"
#include "base/DataPaths.h"
#include "pages/win/PageFolder.h"
#include "schedule/ScheduledDelivery.h"
#include "schedule/win/UnattendedDelivery.h"
#include "win/AccountFolders.h"
#include "win/ComScope.h"
#include "win/GdiPlusSession.h"
#include "win/InstanceClaim.h"
#include "win/ScopedHandle.h"
#include "win/MessageBoxes.h"
#include "win/WindowsVersion.h"
#include "win/SystemFolder.h"

#include <windows.h>

namespace {

const char* const kWindows95Refusal =
    "Oracline Minimum Requirements:   \n\nWindows 98/98SE/ME/NT/2000/XP/2003.    ";
const char* const kDisplayRefusal =
    "Oracline Minimum Requirements\n\nScreen Resolution 800 x 600 or higher and Color Depth of 16 bits.    ";
const char* const kAdjustSettingsQuestion = "Do you want to adjust your settings?    ";
const char* const kNoDataFolder =
    "Oracline cannot create its data folder in your account's application data.    ";

const char* const kInteractiveMutexName = "Oracline.InteractiveInstance";
const char* const kMainWindowCaption = "Oracline 2005  -  For entertainment purposes only";

// Any command line that ends in a record's name, quoted or not.
bool NamesAScheduleRecord(const std::string& commandLine)
{
    std::string name = DataPaths::scheduleRecordName;
    for (const std::string& end : {name, name + '"'})
        if (commandLine.size() >= end.size() && commandLine.compare(commandLine.size() - end.size(), end.size(), end) == 0)
            return true;
    return false;
}

void BringRunningInstanceToFront()
{
    // Before its main window opens the other Oracline shows the introduction
    // page, which comes to the front by itself.
    HWND main = FindWindowA("#32770", kMainWindowCaption);
    if (!main)
        return;
    if (IsIconic(main))
        ShowWindow(main, SW_RESTORE);
    // The editor or a message box open over the main window comes first.
    SetForegroundWindow(GetLastActivePopup(main));
}

std::string CurrentOperatingSystemName()
{
    const WindowsVersion version = CurrentWindowsVersion();
    return version.platformId < 0 ? "" : OperatingSystemName(version.platformId, version.major, version.minor);
}

bool DisplayIsSufficient()
{
    if (GetSystemMetrics(SM_CXSCREEN) < 800)
        return false;
    const MemoryDc memory(CreateCompatibleDC(nullptr));
    return !memory || (GetDeviceCaps(memory.Get(), RASTERCAPS) & RC_PALETTE) == 0;
}

void SetBrowserFontSize()
{
    static const char* const candidates[] = {
        "SOFTWARE\\Microsoft\\Internet Explorer\\International\\Scripts\\3",
        "SOFTWARE\\Microsoft\\Internet Explorer\\International\\1252",
    };
    for (const char* subKey : candidates) {
        RegistryKey probe;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ, probe.Receive()) != ERROR_SUCCESS)
            continue;
        probe.Reset();
        RegistryKey key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_WRITE, nullptr, key.Receive(), nullptr) == ERROR_SUCCESS) {
            // Medium text size, so the pages lay out as designed.
            const BYTE medium[4] = {2, 0, 0, 0};
            RegSetValueExA(key.Get(), "IEFontSize", 0, REG_BINARY, medium, sizeof(medium));
        }
        return;
    }
}

bool RunControlPanel(const std::string& argument)
{
    const std::string program = SystemFilePath("CONTROL.EXE");
    if (program.empty())
        return false;
    std::string commandLine = "\"" + program + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return false;
    // Nothing waits for the control panel: its handles go at once.
    const KernelHandle thread(process.hThread);
    const KernelHandle child(process.hProcess);
    return true;
}

} // namespace

void RunOracline(const std::string& commandLine)
{
    const bool haveDataFolder = CreateAccountFolders();

    // Only this account's record path means an unattended run, or the
    // shared one an earlier version's job still passes (which is then taken
    // over, and whose copied record waits for the user before anything is
    // mailed); any other text is a person starting the program. Nobody sits at
    // an unattended run, usable record or not, so it never opens a window:
    // not even the refusals of an old system or a small screen, which would
    // wait for a click forever. It starts neither the display, OLE nor GDI+
    // unless it draws (most of a plain-text run's time went there).
    const bool sharedJobRun = IsScheduledRunCommandLine(
        commandLine, std::string(DataPaths::programDirectory) + DataPaths::scheduleRecordName);
    if (haveDataFolder && (sharedJobRun || IsScheduledRunCommandLine(commandLine, ScheduleRecordPath()))) {
        TakeOverSharedData(sharedJobRun);
        RunUnattendedDelivery();
        return;
    }

    if (CurrentOperatingSystemName() == "95") {
        ShowMessage(kWindows95Refusal, MessageKind::Error);
        return;
    }
    if (!DisplayIsSufficient()) {
        ShowMessage(kDisplayRefusal, MessageKind::Information);
        if (AskQuestion(kAdjustSettingsQuestion))
            RunControlPanel("Desk.cpl,,3");
        return;
    }
    SetBrowserFontSize();

    // The hosted web browser needs OLE on this thread before any window exists.
    const ComScope ole(ComScope::Kind::Ole);
    // Without GDI+ the windows still open; only their drawings stay empty.
    const GdiPlusSession gdiplus;
    if (!haveDataFolder) {
        // Whether the command line names this account's record cannot be
        // told then, and an unattended run must not wait for a click.
        if (!NamesAScheduleRecord(commandLine))
            ShowMessage(kNoDataFolder, MessageKind::Error);
        return;
    }

    // Two windows editing the same index would each write their own list
    // over the other's; a second start shows the first one instead.
    const InstanceClaim interactive(kInteractiveMutexName);
    if (!interactive.Held()) {
        BringRunningInstanceToFront();
        return;
    }
    TakeOverSharedData(false);
    SayWhereSharedDataWent();
    RemoveStaleTemporaryFiles(AccountDataDirectory());
    ProgramPageFolder().RemovePages();
    RunInteractiveMode();
}
