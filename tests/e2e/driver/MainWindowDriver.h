#pragma once
// Starting Oracline.exe on a prepared data directory and driving its main
// window and profile editor through control ids.
#include "driver/Driver.h"
#include "driver/ListViewDriver.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

extern const char* const kMainWindowCaption;
extern const char* const kIntroductionCaption;

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
// A file of the data directory.
std::string DataFile(const std::string& name);

class MainWindowSession {
public:
    // Empties the data directory, puts `files` into it and starts the program
    // with the command line; with `waitForMainWindow` it waits for the main
    // window (the first start shows the introduction page before it).
    explicit MainWindowSession(const std::map<std::string, std::string>& files = {},
                               const std::string& commandLine = "", bool waitForMainWindow = true);
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    ProgramRun& Run() { return *run_; }
    DWORD ProcessId() const { return run_->ProcessId(); }
    // Null when the main window never appeared.
    HWND Window() const { return window_; }
    HWND WaitForMainWindow();

    ListViewDriver List() const;
    // Chooses the date in the three lists, year first; false when one lacks it.
    bool ChooseDate(int year, int month, int day) const;
    bool Enabled(int controlId) const { return ControlEnabled(window_, controlId); }
    void Press(int controlId) const { PressButton(window_, controlId); }
    // One letter per task button that acts, in window order: Add, Edit,
    // Delete, analYze, Schedule, Open report, Companion, dReams, Help;
    // "-" for one that does not. "AEDYSO-RH" is one row selected today.
    std::string EnabledButtons() const;
    // Id of the control holding the keyboard focus in the program.
    int FocusedControlId() const;
    // The Quick Tip page as last written.
    std::string TipPage() const { return DataFile("tip_e.htm"); }
    bool TipSays(const std::string& part) const { return TipPage().find(part) != std::string::npos; }
    // Gives the program time to handle posted input.
    void Settle() const;
    // Closes the main window as Escape would and waits for the process to end.
    bool Close();

private:
    std::unique_ptr<ProgramRun> run_;
    HWND window_ = nullptr;
};

// The profile editor ("Profile") of a running Oracline.
class EditorDriver {
public:
    // Presses a main-window button (Add or Edit Profile) and waits for the
    // editor; Window() is null when it never came.
    EditorDriver(const MainWindowSession& session, int buttonId);

    HWND Window() const { return dialog_; }
    void SetText(int controlId, const std::string& text) const { SetControlText(dialog_, controlId, text); }
    std::string Text(int controlId) const { return ControlText(dialog_, controlId); }
    bool Enabled(int controlId) const { return ControlEnabled(dialog_, controlId); }
    // An automatic check box flips itself and tells the dialog, as a click would.
    void ClickCheckBox(int controlId) const { SendMessageA(Control(dialog_, controlId), BM_CLICK, 0, 0); }
    ComboDriver List(int controlId) const { return ComboDriver(dialog_, controlId); }
    bool Choose(int listId, const std::string& text) const { return List(listId).ChooseText(text); }
    // A date's three lists by the id of its month list (day and year follow).
    // Chooses month, year and day, in that order; false when a list lacks one.
    bool ChooseDate(int monthListId, int month, int day, int year) const;
    // "month/day/year" as the lists show it, "-" for a list without a
    // selection, "" for all three empty.
    std::string ShownDate(int monthListId) const;
    // Presses Save; the box it brings, or none when it brought none in time.
    MessageBoxSeen Save(DWORD timeoutMs = 3000) const;
    void Close() const { CloseDialog(dialog_); }
    bool WaitGone() const { return WaitUntilGone(dialog_); }

private:
    DWORD processId_;
    HWND dialog_;
};

} // namespace e2e
