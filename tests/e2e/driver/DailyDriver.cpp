#include "driver/DailyDriver.h"
#include "res/DailyAnalysisWindowIds.h"

#include <gtest/gtest.h>

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace e2e {

namespace {

// The lines oracline-cli printed, without their CRs.
std::vector<std::string> CliLines(const std::string& arguments)
{
    std::istringstream output(OutputOf("\"" + BesideTestExe("oracline-cli.exe") + "\" " + arguments));
    std::vector<std::string> lines;
    for (std::string line; std::getline(output, line);)
        lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    return lines;
}

} // namespace

std::string IsoDate(int year, int month, int day)
{
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
    return iso;
}

CliDailySet CliDaily(const std::string& profilePath, const std::string& isoDate)
{
    CliDailySet set;
    const std::vector<std::string> lines = CliLines("daily \"" + profilePath + "\" " + isoDate);
    if (lines.size() < 6)
        return set;
    set.title = lines[0];
    for (int i = 0; i < 5; ++i) {
        const size_t colon = lines[i + 1].find(": ");
        if (colon == std::string::npos)
            return set;
        set.readings[i] = std::atoi(lines[i + 1].c_str() + colon + 2);
    }
    set.ok = true;
    return set;
}

bool WaitForCaption(HWND window, const std::string& caption, DWORD timeoutMs)
{
    return WaitUntil(timeoutMs, [&] { return TextOf(window) == caption; });
}

DailySession::DailySession(const TestProfile& profile, int year, int month, int day)
    : main_(DataFilesFor({profile})), profilePath_(DataDirectory() + profile.description + ".ini"),
      isoDate_(e2e::IsoDate(year, month, day))
{
    // Analyze Day on the first row, with the date chosen in the main window.
    const std::string caption = TitleOn(year, month, day);
    if (!main_.Window() || caption.empty())
        return;
    main_.List().ClickRow(0);
    main_.Settle();
    if (!main_.ChooseDate(year, month, day))
        return;
    main_.Press(IDOK);
    daily_ = WaitForDialog(ProcessId(), caption);
    EXPECT_TRUE(daily_) << "no window captioned \"" << caption << "\"";
    dailyTitle_ = daily_ ? caption : "";
    main_.Settle();
}

std::string DailySession::TitleOn(int year, int month, int day) const
{
    return CliDaily(profilePath_, e2e::IsoDate(year, month, day)).title;
}

HWND DailySession::OpenHourly(int kind)
{
    // `oracline-cli single` prints the reading, then the hourly window's title.
    const std::vector<std::string> lines =
        CliLines("single \"" + profilePath_ + "\" " + std::to_string(kind) + " " + isoDate_);
    if (!daily_ || lines.size() < 2)
        return nullptr;
    PressButton(daily_, IDC_DAILY_EMOTIONAL - 1 + kind);
    return WaitForDialog(ProcessId(), lines[1]);
}

Picture DecodeImage(const std::string& path)
{
    static const bool started = [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    Picture picture;
    Gdiplus::Bitmap bitmap(std::wstring(path.begin(), path.end()).c_str());
    if (!started || bitmap.GetLastStatus() != Gdiplus::Ok)
        return picture;
    for (UINT y = 0; y < bitmap.GetHeight(); ++y)
        for (UINT x = 0; x < bitmap.GetWidth(); ++x) {
            Gdiplus::Color colour;
            bitmap.GetPixel(x, y, &colour);
            picture.pixels.push_back(RGB(colour.GetR(), colour.GetG(), colour.GetB()));
        }
    picture.width = static_cast<int>(bitmap.GetWidth());
    return picture;
}

bool Near(COLORREF pixel, COLORREF colour, int tolerance)
{
    return pixel != CLR_INVALID && std::abs(GetRValue(pixel) - GetRValue(colour)) <= tolerance &&
           std::abs(GetGValue(pixel) - GetGValue(colour)) <= tolerance &&
           std::abs(GetBValue(pixel) - GetBValue(colour)) <= tolerance;
}

std::string PlainBitmap(int width, int height, COLORREF colour)
{
    const int row = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{0x4D42, DWORD(54 + row * height), 0, 0, 54};
    BITMAPINFOHEADER info{40, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const char bgr[3] = {char(GetBValue(colour)), char(GetGValue(colour)), char(GetRValue(colour))};
    std::string pixels(row * height, '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.replace(y * row + x * 3, 3, bgr, 3);
    return std::string(reinterpret_cast<char*>(&file), sizeof file) +
           std::string(reinterpret_cast<char*>(&info), sizeof info) + pixels;
}

} // namespace e2e
