// The hourly windows opened from the Daily Analysis window, and printing to
// the tests' PostScript printer, read back as a picture of the page: the
// daily report straight onto the page, the hourly image through the Print
// Options dialog, and a page's Print link.
#include "driver/PrinterDriver.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/HourlyWindowIds.h"
#include "res/PrintOptionsIds.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const char* const kOptionsCaption = "Print: hourly.jpg";
const std::string kHourlyImage = "C:\\Program Files\\Oracline\\hourly.jpg";
// The page as Ghostscript draws it at 100 dots per inch.
constexpr int kDotsPerInch = 100;

// The smallest rectangle holding every pixel `wanted` picks; right < left
// when there is none.
RECT BoxOf(const DecodedImage& page, bool (*wanted)(COLORREF))
{
    RECT box{page.Width(), page.Height(), -1, -1};
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            if (wanted(page.Pixel(x, y)))
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                           std::max<LONG>(box.bottom, y)};
    return box;
}

bool Colourful(COLORREF p)
{
    const int r = GetRValue(p), g = GetGValue(p), b = GetBValue(p);
    return p != CLR_INVALID && std::max({r, g, b}) - std::min({r, g, b}) > 48;
}

} // namespace

TEST(Printing, HourlyWindowsDailyReportHourlyImageAndPagePrintLink)
{
    // The print dialog needs a printer to offer; the test one never reaches paper.
    std::string problem;
    ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;
    DailySession session(kJane, 2024, 3, 15);
    ASSERT_TRUE(session.Daily()) << "no Daily Analysis window titled " << session.DailyTitle();

    // Every reading opens its hourly window; F2 saves the image and starts a
    // print each time; closing leaves no image behind, not even a stale one.
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        HWND hourly = session.OpenHourly(kind);
        ASSERT_TRUE(hourly) << "no hourly window with the title of oracline-cli single";
        for (int press = 1; kind == 3 && press <= 2; ++press) {
            // A stale file shows whether the second press really replaces it.
            ASSERT_TRUE(press == 1 || WriteFileBytes(kHourlyImage, "stale"));
            PressKey(hourly, VK_F2);
            HWND print = WaitForDialog(session.ProcessId(), "Print");
            ASSERT_TRUE(print) << "F2 did not reach Print";
            DecodedImage image(kHourlyImage);
            EXPECT_EQ(image.Width() * 1000 + image.Height(), 800480);
            ASSERT_TRUE(CloseAndWait(print));
            // Cancelling the print dialog ends the print: no options follow.
            EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 300));
        }
        if (kind == 5) {
            ASSERT_TRUE(WriteFileBytes(kHourlyImage, "left over"));
            SetFileAttributesA(kHourlyImage.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        ASSERT_TRUE(CloseAndWait(hourly));
        EXPECT_FALSE(FileExists(kHourlyImage));
        EXPECT_TRUE(WaitForCaption(session.Daily(), session.DailyTitle()));
    }

    // The daily report goes straight onto the page, in black.
    DeleteFileA(PrintOutputPath().c_str());
    PressButton(session.Daily(), IDOK);
    ASSERT_TRUE(AnswerPrintDialog(session.ProcessId(), IDOK));
    auto report = PrintedPage(kDotsPerInch);
    ASSERT_TRUE(report) << "no printed page came back";
    EXPECT_EQ(report->Width() * 10000 + report->Height(), 8501100);
    const RECT coloured = BoxOf(*report, Colourful);
    EXPECT_LT(coloured.right, coloured.left) << "the paper report is black only";
    // Each bar reaches its value on the scale: 0.033 inch a point above the
    // middle of the 0.05-inch axis. The bars stand 0.8 inch apart from 1.38.
    const CliDailySet set = CliDaily(session.ProfilePath(), session.IsoDate());
    ASSERT_TRUE(set.ok);
    for (int i = 0; i < 5; ++i) {
        const int x = 138 + 80 * i, value = set.readings[i] <= 0 ? 3 : std::min(set.readings[i], 99);
        auto inked = [&](int y) { return report->Pixel(x, y) != CLR_INVALID && GetRValue(report->Pixel(x, y)) < 100; };
        int top = 265;  // below the heading that crosses the first column
        while (top < 700 && !inked(top))
            ++top;
        int bottom = top;
        while (bottom < 700 && inked(bottom))
            ++bottom;
        EXPECT_NEAR(bottom - top, 3.3 * value + 2.5, 3) << "bar " << i << ", reading " << value;
    }
    EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 200));

    // The hourly image goes through the Print Options dialog. Spoiled between
    // its saving and its loading for the page, it prints as an empty page,
    // without options. (Before the other hourly jobs: under Wine a job after
    // one given up with AbortDoc may carry the tail of an older job.)
    HWND hourly = session.OpenHourly(1);
    ASSERT_TRUE(hourly);
    DeleteFileA(PrintOutputPath().c_str());
    PressKey(hourly, VK_F2);
    HWND print = WaitForDialog(session.ProcessId(), "Print");
    ASSERT_TRUE(print);
    ASSERT_TRUE(WriteFileBytes(kHourlyImage, "not a picture"));
    PressButton(print, IDOK);
    ASSERT_TRUE(WaitUntilGone(print));
    EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 500));
    auto blank = PrintedPage(kDotsPerInch);
    ASSERT_TRUE(blank) << "no page came out";
    const RECT marks = BoxOf(*blank, [](COLORREF p) { return !Near(p, RGB(255, 255, 255), 8); });
    EXPECT_LT(marks.right, marks.left);

    // The printable area starts a quarter inch into the paper: that corner
    // is the drawing's origin, and the 4 x 6 photo goes 0.17 inch in from it
    // (the other placements are the layout's own arithmetic).
    DeleteFileA(PrintOutputPath().c_str());
    PressButton(hourly, IDC_HOURLY_PRINT);
    ASSERT_TRUE(AnswerPrintDialog(session.ProcessId(), IDOK));
    HWND options = WaitForDialog(session.ProcessId(), kOptionsCaption);
    ASSERT_TRUE(options);
    // The device's resolution reaches the dialog.
    EXPECT_EQ(ControlText(options, IDC_PRINT_RESOLUTION), "300 X 300");
    SendMessageA(Control(options, IDC_PRINT_PHOTO_4X6), BM_CLICK, 0, 0);
    PressButton(options, IDOK);
    MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
    EXPECT_TRUE(question.hasYesNo);
    AnswerMessageBox(question, IDYES);
    auto photo = PrintedPage(kDotsPerInch);
    ASSERT_TRUE(photo) << "no printed page came back";
    const RECT image = BoxOf(*photo, [](COLORREF p) { return Near(p, RGB(128, 128, 128), 24); });
    const auto dots = [](float inches) { return static_cast<int>(inches * kDotsPerInch + 0.5f); };
    EXPECT_NEAR(image.left, dots(0.42f), 3);
    EXPECT_NEAR(image.top, dots(0.42f), 3);
    EXPECT_NEAR(image.right + 1 - image.left, dots(6.0f), 4);
    EXPECT_NEAR(image.bottom + 1 - image.top, dots(3.6f), 4);

    ASSERT_TRUE(CloseAndWait(hourly));

    // The page view's Print link: the grey page comes out as black text on white.
    DeleteFileA(PrintOutputPath().c_str());
    PressButton(session.Daily(), IDC_DAILY_SUPERSTITION);
    HWND page = WaitForDialog(session.ProcessId(), " Daily Superstition");
    ASSERT_TRUE(page);
    HWND view = GetWindow(Control(page, 1003), GW_CHILD);
    size_t link = 0;
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] {
        const ClientShot shot = CaptureClient(view);
        const auto navy = std::find(shot.pixels.begin(), shot.pixels.end(), RGB(0, 0, 128));
        link = static_cast<size_t>(navy - shot.pixels.begin());
        return navy != shot.pixels.end() && shot.width > 0;
    })) << "no navy Print link on the page";
    const int width = CaptureClient(view).width;
    const LPARAM at = MAKELPARAM(static_cast<int>(link) % width, static_cast<int>(link) / width);
    PostMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(view, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(AnswerPrintDialog(session.ProcessId(), IDOK));
    auto paper = PrintedPage(kDotsPerInch);
    ASSERT_TRUE(paper) << "no printed page came back";
    const RECT ink = BoxOf(*paper, [](COLORREF p) { return p != CLR_INVALID && Near(p, RGB(0, 0, 0), 60); });
    const RECT rest = BoxOf(*paper, Colourful);
    EXPECT_GT(ink.right - ink.left, 300) << "the superstition's text";
    EXPECT_LT(rest.right, rest.left) << "no colour on paper";
    int grey = 0;
    for (int y = 0; y < paper->Height(); ++y)
        for (int x = 0; x < paper->Width(); ++x)
            grey += Near(paper->Pixel(x, y), RGB(128, 128, 128), 6);
    EXPECT_LT(grey, paper->Width() * paper->Height() / 100) << "no grey background on paper";
    CloseDialog(page);
}
