#pragma once
// A small library for driving Oracline.exe from another process under Wine
// (or Windows): start it, find its windows, read and answer message boxes,
// press buttons, read texts, and look at the files it leaves.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// How long a step may take before a test gives up with a clear message.
constexpr DWORD kWaitMs = 15000;

// Oracline.exe beside the test executable.
std::string ProgramPath();
// "C:\Program Files\Oracline\" and its reports folder.
std::string DataDirectory();

// One started Oracline.exe. The destructor ends a process still running, so a
// failing test never leaves a window behind for the next one.
class ProgramRun {
public:
    explicit ProgramRun(const std::string& commandLine = "");
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_; }
    // True when the process ended within the time; the exit code goes to *code.
    bool WaitForExit(DWORD timeoutMs = kWaitMs, DWORD* code = nullptr);
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// A top-level dialog (class #32770) of the process with exactly this caption,
// or null after the time ran out.
HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs = kWaitMs);
// Any visible top-level dialog of the process, whatever its caption.
std::vector<HWND> DialogsOf(DWORD processId);

// A message box of the program: caption "Oracline", text in control 0xFFFF.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string text;
    bool hasYesNo = false;
    explicit operator bool() const { return window != nullptr; }
};
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs = kWaitMs);
// Presses a message box button (IDOK, IDYES, IDNO) and waits until it is gone.
bool AnswerMessageBox(const MessageBoxSeen& box, int buttonId);

// Text of any window of another process (GetWindowText reads nothing across
// processes, WM_GETTEXT does).
std::string TextOf(HWND window);
HWND Control(HWND dialog, int controlId);
std::string ControlText(HWND dialog, int controlId);
bool ControlEnabled(HWND dialog, int controlId);
// Presses a button without waiting for what it opens (a modal box would
// otherwise block the sender).
void PressButton(HWND dialog, int controlId);
// Closes a dialog as Escape or the close box would.
void CloseDialog(HWND dialog);
// Waits until the window is destroyed.
bool WaitUntilGone(HWND window, DWORD timeoutMs = kWaitMs);

// Files.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Removes a directory with everything in it; true when it is gone.
bool RemoveTree(const std::string& path);
// Starts every test from an empty data directory.
void ResetDataDirectory();

// Registry, under HKEY_CURRENT_USER.
bool RegistryKeyExists(const std::string& subKey);
void CreateRegistryKey(const std::string& subKey);
void DeleteRegistryTree(const std::string& subKey);
// Raw bytes of a value; empty when it is missing.
std::string RegistryValueBytes(const std::string& subKey, const std::string& name);

// The Windows version Wine reports to Oracline.exe alone ("win95", "winxp", …);
// an empty name goes back to the prefix's default. Restored by the destructor.
class ReportedWindowsVersion {
public:
    explicit ReportedWindowsVersion(const std::string& version);
    ~ReportedWindowsVersion();
};

} // namespace e2e
