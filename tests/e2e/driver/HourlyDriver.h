#pragma once
// The hourly window of another process and what oracline-cli says it should
// show.
#include "driver/DailyDriver.h"
#include "driver/MainWindowDriver.h"

#include <windows.h>

#include <memory>
#include <string>

namespace e2e {

// `oracline-cli single PROFILE KIND DATE [SHOWN]`: the reading and the hourly
// title. `ok` is false when the tool printed nothing usable.
struct CliSingleReading {
    int value = 0;
    std::string title;
    bool ok = false;
};
CliSingleReading CliSingle(const std::string& profilePath, int kind, const std::string& isoDate,
                           const std::string& shownIsoDate = "");

// One profile analysed on one date: the main window and its Daily Analysis
// window, from which the hourly windows and printing start.
class DailySession {
public:
    DailySession(const TestProfile& profile, int year, int month, int day);

    MainWindowSession& Main() { return main_; }
    DWORD ProcessId() const { return main_.ProcessId(); }
    // Null when the window did not open with the expected caption.
    HWND Daily() const { return daily_; }
    const std::string& DailyTitle() const { return dailyTitle_; }
    std::string ProfilePath() const;
    // "YYYY-MM-DD" of the analysed date.
    const std::string& IsoDate() const { return isoDate_; }

    // Presses E, P, B, I or F (kind 1 to 5) and waits for the hourly window
    // with the title oracline-cli gives; null when it does not appear.
    HWND OpenHourly(int kind);

private:
    MainWindowSession main_;
    std::string description_;
    std::string isoDate_;
    std::string dailyTitle_;
    HWND daily_ = nullptr;
};

// F2 as the keyboard would deliver it to the window's message loop.
void PressF2(HWND window);

} // namespace e2e
