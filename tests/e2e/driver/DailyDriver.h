#pragma once
// The Daily Analysis window of another process, what oracline-cli says the
// window should show, and the saved report image.
#include "driver/MainWindowDriver.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The daily set as `oracline-cli daily` prints it.
struct CliDailySet {
    std::string title;
    int readings[5] = {};  // Emotional, Physical, Intellectual, Intuition, Fortune, raw
    bool ok = false;
};
// Runs oracline-cli.exe beside the test executable on a Windows path.
CliDailySet CliDaily(const std::string& profilePath, const std::string& isoDate);

// Chooses the row and the date in the main window and presses Analyze Day;
// returns the Daily Analysis window, found by the caption it is expected to
// show, or null.
HWND OpenDailyAnalysis(MainWindowSession& session, int row, int year, int month, int day,
                       const std::string& expectedCaption);

// Waits until a window's text equals `caption`.
bool WaitForCaption(HWND window, const std::string& caption, DWORD timeoutMs = kWaitMs);

// Width and height from a JPEG's frame header; false when there is none.
bool JpegSize(const std::string& bytes, int& width, int& height);

// An image file decoded through GDI+ inside the test process.
class DecodedImage {
public:
    explicit DecodedImage(const std::string& path);
    bool Loaded() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// True when each channel is within `tolerance` of the colour.
bool Near(COLORREF pixel, COLORREF colour, int tolerance);

} // namespace e2e
