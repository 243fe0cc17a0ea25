#pragma once
// The Daily Analysis and hourly windows of another process, what
// oracline-cli says they should show, and the images they leave.
#include "driver/MainWindowDriver.h"

#include <string>
#include <vector>

namespace e2e {

// "YYYY-MM-DD".
std::string IsoDate(int year, int month, int day);

// The daily set as `oracline-cli daily` prints it; `ok` is false when the
// tool printed nothing usable.
struct CliDailySet {
    std::string title;
    int readings[5] = {};  // Emotional, Physical, Intellectual, Intuition, Fortune, raw
    bool ok = false;
};
CliDailySet CliDaily(const std::string& profilePath, const std::string& isoDate);

// Waits until a window's text equals `caption`.
bool WaitForCaption(HWND window, const std::string& caption, DWORD timeoutMs = kWaitMs);

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
    const std::string& ProfilePath() const { return profilePath_; }
    // Presses E, P, B, I or F (kind 1 to 5) and waits for the hourly window
    // with the title oracline-cli gives; null when it does not appear.
    HWND OpenHourly(int kind);
    // The caption oracline-cli gives the profile on another day.
    std::string TitleOn(int year, int month, int day) const;

private:
    MainWindowSession main_;
    std::string profilePath_;
    std::string isoDate_;
    HWND daily_ = nullptr;
    std::string dailyTitle_;
};

// True when the bytes start as a JPEG file does.
inline bool IsJpeg(const std::string& bytes) { return bytes.compare(0, 3, "\xFF\xD8\xFF") == 0; }

// An image file decoded through GDI+ inside the test process; not Loaded()
// when it holds no picture.
Picture DecodeImage(const std::string& path);

// True when each channel is within `tolerance` of the colour.
bool Near(COLORREF pixel, COLORREF colour, int tolerance);

// A 24-bit BMP of one colour; GDI+ reads a picture by its content, whatever
// its name says.
std::string PlainBitmap(int width, int height, COLORREF colour);

} // namespace e2e
