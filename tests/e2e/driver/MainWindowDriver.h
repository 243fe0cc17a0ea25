#pragma once
// Starting Oracline.exe on a prepared data directory and driving its main
// window through control ids.
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
std::string DataFile(const std::string& name);
std::string PageFile(const std::string& name);

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

} // namespace e2e
