#pragma once
// Starting Oracline.exe on a prepared data directory and driving its main
// window through control ids.
#include "driver/ComboDriver.h"
#include "driver/Driver.h"
#include "driver/ListViewDriver.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

extern const char* const kMainWindowCaption;
extern const char* const kIntroductionCaption;

// Polls `done` every 20 ms until it holds; false when the time ran out.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done);

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

class MainWindowSession {
public:
    // Empties the data directory, puts `files` into it, starts the program
    // and waits for the main window.
    explicit MainWindowSession(const std::map<std::string, std::string>& files = {});
    // The same with a command line; without `waitForMainWindow` it returns
    // at once (the first start shows the introduction page before it).
    MainWindowSession(const std::map<std::string, std::string>& files,
                      const std::string& commandLine, bool waitForMainWindow);
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    ProgramRun& Run() { return *run_; }
    DWORD ProcessId() const { return run_->ProcessId(); }
    // Null when the main window never appeared.
    HWND Window() const { return window_; }
    HWND WaitForMainWindow();

    ListViewDriver List() const;
    ComboDriver Month() const;
    ComboDriver Day() const;
    ComboDriver Year() const;
    bool Enabled(int controlId) const { return ControlEnabled(window_, controlId); }
    // One letter per task button that acts, in window order: Add, Edit,
    // Delete, analYze, Schedule, Open report, Companion, dReams, Help;
    // "-" for one that does not. "AEDYSO-RH" is one row selected today.
    std::string EnabledButtons() const;
    // Id of the control holding the keyboard focus in the program.
    int FocusedControlId() const;
    // The Quick Tip page as last written.
    std::string TipPage() const;
    // Gives the program time to handle posted input.
    void Settle() const;
    // Closes the main window as Escape would and waits for the process to end.
    bool Close();

private:
    std::unique_ptr<ProgramRun> run_;
    HWND window_ = nullptr;
};

} // namespace e2e
