#pragma once
// A small library for driving Oracline.exe from another process under Wine
// (or Windows): start it, find its windows, read and answer message boxes,
// press buttons, read texts, and look at the files it leaves.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// How long a step may take before a test gives up with a clear message.
constexpr DWORD kWaitMs = 15000;

// A file in the test executable's folder (Oracline.exe, oracline-cli.exe).
std::string BesideTestExe(const std::string& name);
// The program folder, where the setup puts the programs and the sign images
// and where earlier versions kept every account's data.
inline std::string ProgramDirectory() { return "C:\\Program Files\\Oracline\\"; }
// The test account's data folder, "Oracline\" in its roaming application
// data, and its reports folder, "Oracline Reports\" in its Pictures, as the
// known-folder API names them (under Wine the account is the Linux user).
std::string DataDirectory();
std::string ReportsDirectory();
// The account's pages folder, "Oracline\Pages\" in its local application data.
std::string PagesDirectory();

// Polls `done` every 20 ms until it holds; false when the time ran out.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done);
// Runs a console program and returns what it wrote to its output.
std::string OutputOf(const std::string& commandLine);

// One started Oracline.exe. The destructor ends a process still running, so a
// failing test never leaves a window behind for the next one.
class ProgramRun {
public:
    explicit ProgramRun(const std::string& commandLine = "");
    ~ProgramRun() { Kill(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    // True when the process ended within the time; the exit code goes to *code.
    bool WaitForExit(DWORD timeoutMs = kWaitMs, DWORD* code = nullptr);
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Text of any window of another process (GetWindowText reads nothing across
// processes, WM_GETTEXT does).
std::string TextOf(HWND window);
// A visible top-level dialog (class #32770) of the process that `matches`,
// or null after the time ran out; then the one with exactly this caption.
HWND WaitForDialogWhere(DWORD processId, const std::function<bool(HWND)>& matches, DWORD timeoutMs = kWaitMs);
inline HWND WaitForDialog(DWORD processId, const std::string& caption, DWORD timeoutMs = kWaitMs)
{
    return WaitForDialogWhere(processId, [&](HWND window) { return TextOf(window) == caption; }, timeoutMs);
}

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
// Waits for a message box, answers it so and waits until it is gone: its
// text, or empty when none came or it stayed.
inline std::string AnswerMessage(DWORD processId, int buttonId = IDOK, DWORD timeoutMs = kWaitMs)
{
    const MessageBoxSeen box = WaitForMessageBox(processId, timeoutMs);
    return AnswerMessageBox(box, buttonId) ? box.text : "";
}

inline HWND Control(HWND dialog, int controlId) { return GetDlgItem(dialog, controlId); }
inline std::string ControlText(HWND dialog, int controlId)
{
    return Control(dialog, controlId) ? TextOf(Control(dialog, controlId)) : std::string();
}
inline bool ControlEnabled(HWND dialog, int controlId) { return IsWindowEnabled(Control(dialog, controlId)) != 0; }
// One letter per button, '-' for a disabled one: which buttons act, at a glance.
std::string EnabledLetters(HWND dialog, const std::vector<std::pair<int, char>>& buttons);
// WM_SETTEXT passes an edit's length limit, so a test can offer texts the
// keyboard could not.
void SetControlText(HWND dialog, int controlId, const std::string& text);
// Presses a button without waiting for what it opens (a modal box would
// otherwise block the sender).
inline void PressButton(HWND dialog, int controlId)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), reinterpret_cast<LPARAM>(Control(dialog, controlId)));
}
// A key pressed and released as the keyboard delivers it to the window's
// message loop (posted, with its scan code).
void PressKey(HWND window, int virtualKey);
// Real input on the X display the program runs on, through xdotool ("key
// --delay 150 Down Return", "mousemove 400 250 click 1"): it reaches whatever
// window has the focus, as the user's would. Returns once it is sent.
void RealInput(const std::string& xdotoolArguments);
// A real left click in the middle of a window, on the X display.
void RealClick(HWND window);
// Closes a dialog as Escape or the close box would.
inline void CloseDialog(HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }
// Waits until the window is destroyed or hidden; with CloseDialog first,
// for a dialog that must go.
inline bool WaitUntilGone(HWND window, DWORD timeoutMs = kWaitMs)
{
    return WaitUntil(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}
inline bool CloseAndWait(HWND dialog) { return CloseDialog(dialog), WaitUntilGone(dialog); }
inline SIZE WindowSize(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// A picture as a test reads it, row by row: a window's client area as it is
// on the screen, or an image file decoded through GDI+ (DailyDriver.h).
struct Picture {
    int width = 0;
    std::vector<COLORREF> pixels;
    bool Loaded() const { return width > 0; }
    int Width() const { return width; }
    int Height() const { return width > 0 ? static_cast<int>(pixels.size()) / width : 0; }
    // CLR_INVALID outside the picture.
    COLORREF Pixel(int x, int y) const
    {
        return x < 0 || y < 0 || x >= width || y >= Height() ? CLR_INVALID : pixels[static_cast<size_t>(y) * width + x];
    }
    int Count(COLORREF colour) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour)); }
};
Picture CaptureClient(HWND window);
// The smallest rectangle, edges included, holding every pixel `wanted`
// picks; right < left when there is none.
RECT BoxOf(const Picture& picture, const std::function<bool(COLORREF)>& wanted);

// The controls of a dialog (buttons, pictures, lists) that lie over what the
// dialog draws on itself, by control id; none when the layout holds. The
// controls are hidden for a moment to see the whole drawing.
std::vector<int> ControlsOverDrawing(HWND dialog);

// A drop-down list of another process's dialog. Choosing an entry sets the
// selection and then tells the dialog, as the user's choice would.
class ComboDriver {
public:
    ComboDriver(HWND dialog, int controlId) : dialog_(dialog), combo_(GetDlgItem(dialog, controlId)) {}

    int Count() const { return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)); }
    int Selection() const { return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0)); }
    std::string ItemText(int index) const;
    std::string SelectedText() const { return ItemText(Selection()); }
    // Returns once the dialog has handled CBN_SELCHANGE.
    void Choose(int index) const;
    // False when no entry has this text.
    bool ChooseText(const std::string& text) const;

private:
    HWND dialog_;
    HWND combo_;
};

// Types a name or full path into a common file dialog, presses its OK and
// waits until the dialog is gone; false when it stays (it refused the name,
// or asks something first).
bool EnterFileName(HWND fileDialog, const std::string& name, DWORD timeoutMs = 5000);

// Files.
// INVALID_FILE_ATTRIBUTES has every bit set, the directory bit too.
inline bool FileExists(const std::string& path) { return !(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY); }
inline bool DirectoryExists(const std::string& path)
{
    return !FileExists(path) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
std::string ReadFileBytes(const std::string& path);
// True when another process may read the file but not write, delete or
// rename it: the program holds it while it shows it.
bool IsHeldReadOnly(const std::string& path);
// The names of a directory's files and folders ("." and ".." left out).
std::vector<std::string> EntriesOf(const std::string& directory);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Under Wine the Recycle Bin is the desktop's trash folder: true when a file
// holding exactly these bytes lies there. The file and its note are taken
// out again.
bool TakeFromRecycleBin(const std::string& bytes);
// Starts every test from empty data and reports folders and a program folder
// with nothing but the sign images.
void ResetDataDirectory();

} // namespace e2e
