#pragma once
// A small library for driving Oracline.exe from another process under Wine
// (or Windows): start it, find its windows, read and answer message boxes,
// press buttons, read texts and pictures, look at the files it leaves, and
// set up what it meets on the machine (printer, mail library, scheduled jobs).
#include <windows.h>

#include <gtest/gtest.h>

#include "profiles/ProfileFileReadings.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kWaitMs = 15000;  // how long a step may take before a test gives up
extern const char* const kMainWindowCaption;
extern const char* const kIntroductionCaption;

// A file in the test executable's folder (Oracline.exe, the setup).
std::string BesideTestExe(const std::string& name);
// The program folder, where the setup puts the programs and the sign images
// and where earlier versions kept every account's data.
inline std::string ProgramDirectory() { return "C:\\Program Files\\Oracline\\"; }
// The test account's data folder ("Oracline\" in its roaming application
// data), reports folder ("Oracline Reports\" in its Pictures) and pages folder
// ("Oracline\Pages\" in its local application data), as the known-folder API
// names them (under Wine the account is the Linux user).
std::string DataDirectory();
std::string ReportsDirectory();
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
    // `application` started with `commandLine` as its whole command line, as
    // a scheduler that passes the parameters alone starts it.
    ProgramRun(const std::string& application, const std::string& commandLine);
    ~ProgramRun() { Kill(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    bool WaitForExit(DWORD timeoutMs = kWaitMs) { return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0; }
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
inline bool WaitForCaption(HWND window, const std::string& caption, DWORD timeoutMs = kWaitMs)
{
    return WaitUntil(timeoutMs, [&] { return TextOf(window) == caption; });
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
// Waits for a message box and answers it so: its text, or empty when none
// came or it stayed.
inline std::string AnswerMessage(DWORD processId, int buttonId = IDOK, DWORD timeoutMs = kWaitMs)
{
    const MessageBoxSeen box = WaitForMessageBox(processId, timeoutMs);
    return AnswerMessageBox(box, buttonId) ? box.text : "";
}

inline HWND Control(HWND dialog, int controlId) { return GetDlgItem(dialog, controlId); }
inline std::string ControlText(HWND dialog, int controlId) { return Control(dialog, controlId) ? TextOf(Control(dialog, controlId)) : std::string(); }
inline bool ControlEnabled(HWND dialog, int controlId) { return IsWindowEnabled(Control(dialog, controlId)) != 0; }
// One letter per button, '-' for a disabled one: which buttons act, at a glance.
std::string EnabledLetters(HWND dialog, const std::vector<std::pair<int, char>>& buttons);
// WM_SETTEXT passes an edit's length limit, so a test can offer texts the
// keyboard could not.
void SetControlText(HWND dialog, int controlId, const std::string& text);
inline void SetControlTexts(HWND dialog, const std::vector<std::pair<int, std::string>>& texts)
{
    for (const auto& [controlId, text] : texts)
        SetControlText(dialog, controlId, text);
}
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
// Waits until the window is destroyed or hidden.
inline bool WaitUntilGone(HWND window, DWORD timeoutMs = kWaitMs)
{
    return WaitUntil(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}
inline bool CloseAndWait(HWND dialog) { return CloseDialog(dialog), WaitUntilGone(dialog); }
inline RECT FrameOf(HWND window) { RECT frame{}; return GetWindowRect(window, &frame), frame; }
inline RECT ClientOf(HWND window) { RECT client{}; return GetClientRect(window, &client), client; }

// A picture as a test reads it, row by row: a window's client area as it is
// on the screen, or an image file decoded through GDI+.
struct Picture {
    int width = 0;
    std::vector<COLORREF> pixels;
    bool Loaded() const { return width > 0; }
    int Width() const { return width; }
    int Height() const { return width > 0 ? static_cast<int>(pixels.size()) / width : 0; }
    COLORREF Pixel(int x, int y) const  // CLR_INVALID outside the picture
    {
        return x < 0 || y < 0 || x >= width || y >= Height() ? CLR_INVALID : pixels[static_cast<size_t>(y) * width + x];
    }
    int Count(COLORREF colour) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour)); }
};
Picture CaptureClient(HWND window);
Picture DecodeImage(const std::string& path);  // not Loaded() when the file holds no picture
// The smallest rectangle, edges included, holding every pixel `wanted`
// picks; right < left when there is none.
RECT BoxOf(const Picture& picture, const std::function<bool(COLORREF)>& wanted);
// True when each channel is within `tolerance` of the colour.
bool Near(COLORREF pixel, COLORREF colour, int tolerance);
inline bool IsJpeg(const std::string& bytes) { return bytes.compare(0, 3, "\xFF\xD8\xFF") == 0; }
// Saves a JPEG of one colour through the program's own encoder lookup.
bool WritePlainJpeg(const std::string& path, int width, int height, COLORREF colour);

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

// A list view of another process. Item texts and rectangles travel through a
// buffer allocated inside the target process; clicks are real mouse messages
// posted to the control, since a WM_NOTIFY sent from outside never arrives.
class ListViewDriver {
public:
    explicit ListViewDriver(HWND list) : list_(list) {}

    int RowCount() const;
    std::string CellText(int row, int column) const;
    std::vector<int> SelectedRows() const;
    // A left click in the middle of the row, with Ctrl held when `control`,
    // followed by a second one when `twice`.
    void ClickRow(int row, bool control = false, bool twice = false) const;
    // A click below the last row, where there is no item.
    void ClickEmptySpace() const;

private:
    HWND list_;
};

// Types a name or full path into a common file dialog, presses its OK and
// waits until the dialog is gone; false when it stays (it refused the name,
// or asks something first).
bool EnterFileName(HWND fileDialog, const std::string& name, DWORD timeoutMs = 5000);

// INVALID_FILE_ATTRIBUTES has every bit set, the directory bit too.
inline bool FileExists(const std::string& path) { return !(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY); }
inline bool DirectoryExists(const std::string& path) { return !FileExists(path) && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
inline std::string DataFile(const std::string& name) { return ReadFileBytes(DataDirectory() + name); }
inline std::string PageFile(const std::string& name) { return ReadFileBytes(PagesDirectory() + name); }
// True when another process may read the file but not write, delete or
// rename it: the program holds it while it shows it.
bool IsHeldReadOnly(const std::string& path);
// The names of a directory's files and folders ("." and ".." left out).
std::vector<std::string> EntriesOf(const std::string& directory);
// Under Wine the Recycle Bin is the desktop's trash folder: true when a file
// holding exactly these bytes lies there. The file and its note are taken
// out again.
bool TakeFromRecycleBin(const std::string& bytes);
// Starts every test from empty data and reports folders and a program folder
// with nothing but the sign images; then puts `files` (by name) into the
// data folder, when there are any.
void ResetDataDirectory(const std::map<std::string, std::string>& files = {});

// One profile as the tests prepare it: a row of "oc.ini" and its file.
struct TestProfile {
    std::string fullName;
    std::string description;
    int month = 1;
    int day = 1;
    int year = 1970;
    bool manual = false;
};
// "oc.ini" as the program writes it (CR LF on Windows).
std::string IndexFileText(const std::vector<TestProfile>& profiles);
// A profile file with the name and birth date.
std::string ProfileFileText(const TestProfile& profile);
// The files of a data directory holding these profiles, by file name.
std::map<std::string, std::string> DataFilesFor(const std::vector<TestProfile>& profiles);

// Oracline.exe started on a prepared data directory, driven through its main
// window's control ids.
class MainWindowSession {
public:
    // Empties the data directory, puts `files` into it and starts the program
    // with the command line; with `waitForMainWindow` it waits for the main
    // window (the first start shows the introduction page before it).
    explicit MainWindowSession(const std::map<std::string, std::string>& files = {},
                               const std::string& commandLine = "", bool waitForMainWindow = true);

    ProgramRun& Run() { return *run_; }
    DWORD ProcessId() const { return run_->ProcessId(); }
    // Null when the main window never appeared.
    HWND Window() const { return window_; }
    HWND WaitForMainWindow();

    ListViewDriver List() const;
    // Chooses the date in the three lists, year first; false when one lacks it.
    bool ChooseDate(const CivilDate& date) const;
    void Press(int controlId) const { PressButton(window_, controlId); }
    // One letter per task button that acts, in window order: Add, Edit,
    // Delete, analYze, Schedule, Open report, Companion, dReams, Help;
    // "-" for one that does not. "AEDYSO-RH" is one row selected today.
    std::string EnabledButtons() const;
    // Id of the control holding the keyboard focus in the program.
    int FocusedControlId() const;
    // Whether the Quick Tip page as last written holds `part`.
    bool TipSays(const std::string& part) const { return PageFile("tip_e.htm").find(part) != std::string::npos; }
    // Gives the program time to handle posted input.
    void Settle() const;
    // Closes the main window as Escape would and waits for the process to end.
    bool Close();

private:
    std::unique_ptr<ProgramRun> run_;
    HWND window_ = nullptr;
};

// The daily set the program's engine computes from the profile file on the
// day: the caption and readings a window must show.
inline DailyReadingSet DailySetOf(const std::string& profilePath, const CivilDate& date)
{
    DailyReadingSet set;
    ComputeDailySetOfFile(profilePath, date, set);
    return set;
}

// Presses Email on a Daily Analysis whose report is not saved yet and saves
// it as `path` through the Save As dialog the reminder leads to: what the
// reminder said, "|", what the saving said.
std::string EmailSavingFirst(DWORD processId, HWND daily, const std::string& path);

// One profile analysed on one date: the main window and its Daily Analysis
// window, from which the hourly windows and printing start.
class DailySession {
public:
    DailySession(const TestProfile& profile, const CivilDate& date);

    MainWindowSession& Main() { return main_; }
    DWORD ProcessId() const { return main_.ProcessId(); }
    // Null when the window did not open with the caption the engine gives.
    HWND Daily() const { return daily_; }
    const std::string& DailyTitle() const { return dailyTitle_; }
    const std::string& ProfilePath() const { return profilePath_; }
    // Presses E, P, B, I or F (kind 1 to 5) and waits for the hourly window
    // with the title the engine gives; null when it does not appear.
    HWND OpenHourly(int kind);
    // The caption the engine gives the profile on another day.
    std::string TitleOn(const CivilDate& date) const { return DailySetOf(profilePath_, date).Title; }

private:
    MainWindowSession main_;
    std::string profilePath_;
    CivilDate date_;
    HWND daily_ = nullptr;
    std::string dailyTitle_;
};

// A suite whose tests share one start of the program, made by the suite's
// SetUpTestSuite and ended after its last test; CMake runs such a suite in
// one process, its tests in the order written (each start costs seconds
// under Wine). `Suite` is the suite's own class, so each has its own start.
template <typename Suite, typename Session, typename Base = testing::Test> class SharedSession : public Base {
protected:
    static void TearDownTestSuite()
    {
        delete session_;
        session_ = nullptr;
    }
    static inline Session* session_ = nullptr;
};

// A printer the tests can read back: Wine's PostScript driver with the
// tests' own PPD (Letter, quarter-inch margins, 300 dpi), printing into a
// plain file (a path rather than "FILE:", which would ask for a name).
// Installs it once per prefix, makes it the default and removes a job left
// over; what failed, or empty when it is the default printer.
std::string InstallTestPrinter();
// The dots per inch at which PrintedPage renders a page.
constexpr int kPrintDotsPerInch = 100;
// Waits until the print file exists and has stopped growing, renders it with
// Ghostscript and removes it, so the next job starts afresh; not Loaded()
// when no job or no picture came.
Picture PrintedPage();
// Waits for the print dialog the program has just opened and presses OK or
// Cancel; false when none came or it stayed.
bool AnswerPrintDialog(DWORD processId, int button = IDOK);

// What the recording mapi32.dll (mapi32/RecordingMapi.cpp) wrote, one entry
// per call of MAPISendMail; wine-run.sh sets WINEDLLOVERRIDES to
// "mapi32=n,b" so that it is loaded.
constexpr const char* kMailRecordPath = "C:\\oracline-mail.txt";
// Every call recorded, oldest first, each as the lines the library wrote for
// it after "MAPISendMail".
std::vector<std::string> ReadMailRecord();
// What follows the item's name and tab on its first line in one call
// ("attachment" gives path, name and position); empty when there is none.
std::string MailItem(const std::string& mail, const std::string& item);
// The library's copy of the n-th file attached, counting over all calls from 1.
inline std::string AttachmentCopy(int n) { return kMailRecordPath + ("." + std::to_string(n)); }
// Removes the record and its copies, and puts the recording library into the
// prefix's System32, the only place the program loads it from (the build
// folder's copy beside Oracline.exe stands for a planted one).
void PrepareMailRecord();
// Registers the recording library as the default mail program's Simple MAPI
// library, or (false) leaves the machine without a mail program: the default
// is Wine's own hand-off again, which wineboot registers in every prefix.
void RegisterTestMailProgram(bool registered);

// The real SMTP server of smtp/run-with-server.sh: its folder in the prefix
// (ports.txt, what it received), and its test authority, which joins the
// machine's trusted roots of this prefix.
inline const std::string kServerFolder = "C:\\oracline-smtp\\";
bool TrustTestAuthority();
// The n-th mail the server received, as smtp-server.py notes it (empty
// until it came); its attachments are N-K.bin.
inline std::string ReceivedMail(int n) { return ReadFileBytes(kServerFolder + std::to_string(n) + ".txt"); }
inline int ReceivedMailCount()
{
    int count = 0;
    while (!ReceivedMail(count + 1).empty())
        ++count;
    return count;
}
// The password the server takes, from the script, which looks for it in the
// prefix's files afterwards.
inline std::string MailPassword()
{
    const char* password = std::getenv("ORACLINE_MAIL_PASSWORD");
    return password ? password : "";
}

// Each job whose name begins with "Daily Analysis Report", in name order, as
// "name|application|working directory|parameters|flags|" ("logged on", "off")
// and then each trigger as
// "YYYY-MM-DD type T every N at H:MM;" (begin date, type, days between,
// start), read through ITask in the test process.
std::vector<std::string> ScheduledJobs();
// The test account's own job: the bare name, then the account's security
// identifier in brackets.
std::string AccountJobName();
// The names of the jobs Wine's Task Scheduler 2.0 holds whose names begin
// with "Daily Analysis Report", sorted.
std::vector<std::string> TaskServiceJobs();
// Removes both kinds.
void RemoveScheduledJobs();
// A job as an earlier version registered it: one daily trigger from
// 2020-01-01 at hour:minute. False when it could not be saved.
bool CreateJob(const std::string& name, const std::string& application, const std::string& workingDirectory,
               const std::string& parameters, int hour, int minute);

// One element of a window's accessibility tree, as a screen reader gets it
// through the system's accessibility interface from another process.
struct AccessibleNode {
    std::string name;
    std::string value;
    bool invisible = false;
};
std::vector<AccessibleNode> AccessibleTree(HWND window);
// One line per element: "name" = "value".
std::string TreeText(const std::vector<AccessibleNode>& tree);

} // namespace e2e
