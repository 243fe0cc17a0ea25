// The hourly windows opened from the Daily Analysis window, and printing to
// the tests' PostScript printer: the daily report straight onto the page, and
// the hourly image through the Print Options dialog, read back as a picture
// of the page.
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

// Waits for the print dialog the program has just opened and presses OK or Cancel.
bool AnswerPrintDialog(DWORD processId, int button)
{
    HWND print = WaitForDialog(processId, "Print");
    PressButton(print, button);
    return print && WaitUntilGone(print);
}

class Printing : public ::testing::Test {
protected:
    // The print dialog needs a printer to offer; the test one never reaches paper.
    static void SetUpTestSuite()
    {
        std::string problem;
        ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;
    }
    void SetUp() override { DeleteFileA(PrintOutputPath().c_str()); }
};
using HourlyWindow = Printing;

} // namespace

TEST_F(HourlyWindow, EachReadingOpensItsWindowAndLeavesNoImageBehind)
{
    DailySession session(kJane, 2024, 3, 15);
    ASSERT_TRUE(session.Daily()) << "no Daily Analysis window titled " << session.DailyTitle();
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        HWND hourly = session.OpenHourly(kind);
        ASSERT_TRUE(hourly) << "no hourly window with the title of oracline-cli single";
        // A file left from an earlier run goes when the window closes, too.
        if (kind == 5) {
            ASSERT_TRUE(WriteFileBytes(kHourlyImage, "left over"));
            SetFileAttributesA(kHourlyImage.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        CloseDialog(hourly);
        ASSERT_TRUE(WaitUntilGone(hourly));
        EXPECT_FALSE(FileExists(kHourlyImage));
        EXPECT_TRUE(WaitForCaption(session.Daily(), session.DailyTitle()));
    }
}

TEST_F(HourlyWindow, F2SavesTheImageOfTheThreeReadingsEveryTime)
{
    DailySession session(kJane, 2024, 3, 15);
    // Intellectual: readings high enough on these days for every bar to show.
    const int kind = 3;
    int values[3] = {};
    const char* const days[] = {"2024-03-14", "2024-03-15", "2024-03-16"};
    for (int i = 0; i < 3; ++i) {
        const CliSingleReading reading = CliSingle(session.ProfilePath(), kind, days[i], session.IsoDate());
        ASSERT_TRUE(reading.ok);
        values[i] = reading.value;
    }
    // A flat half is drawn one point higher, once.
    if (values[0] == values[1]) {
        ++values[1];
        ++values[2];
    }
    if (values[2] == values[1])
        ++values[2];

    HWND hourly = session.OpenHourly(kind);
    ASSERT_TRUE(hourly);
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        // A stale file shows whether the second press really replaces it.
        EXPECT_EQ(FileExists(kHourlyImage), press == 2);
        if (press == 2) {
            ASSERT_TRUE(WriteFileBytes(kHourlyImage, "stale"));
        }
        PressF2(hourly);
        HWND print = WaitForDialog(session.ProcessId(), "Print");
        ASSERT_TRUE(print) << "F2 did not reach Print";
        EXPECT_TRUE(IsJpeg(ReadFileBytes(kHourlyImage)));
        DecodedImage image(kHourlyImage);
        ASSERT_TRUE(image.Loaded());
        EXPECT_EQ(image.Width(), 800);
        EXPECT_EQ(image.Height(), 480);
        CloseDialog(print);
        ASSERT_TRUE(WaitUntilGone(print));
        // Cancelling the print dialog ends the print: no options follow.
        EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 300));

        const COLORREF grey = RGB(128, 128, 128);
        EXPECT_TRUE(Near(image.Pixel(780, 200), grey, 12));
        // The black bars of hours 00, 12 and 24 stand on the axis at y 425 and
        // reach 3 pixels per point above y 428 (JPEG edges blur a few pixels).
        const int centres[3] = {66, 54 + 27 * 12 + 11, 54 + 27 * 24 + 12};
        for (int i = 0; i < 3; ++i) {
            const int top = 428 - 3 * values[i];
            // A bar of a few pixels hides in the axis; only its top is told.
            if (425 - top >= 8) {
                EXPECT_TRUE(Near(image.Pixel(centres[i], top + 3), RGB(0, 0, 0), 60)) << i;
                EXPECT_TRUE(Near(image.Pixel(centres[i], (top + 425) / 2), RGB(0, 0, 0), 60)) << i;
            }
            EXPECT_TRUE(Near(image.Pixel(centres[i], top - 4), grey, 30)) << i;
        }
        // The hours between are blue.
        EXPECT_TRUE(Near(image.Pixel(54 + 27 * 6 + 12, 421), RGB(0, 0, 255), 60));
    }
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
    EXPECT_FALSE(FileExists(kHourlyImage));
}

TEST_F(Printing, DailyReportIsPrintedInBlackWithoutOptions)
{
    DailySession session(kJane, 2024, 3, 15);
    ASSERT_TRUE(session.Daily());
    PressButton(session.Daily(), IDOK);
    ASSERT_TRUE(AnswerPrintDialog(session.ProcessId(), IDOK));
    auto page = PrintedPage(kDotsPerInch);
    ASSERT_TRUE(page) << "no printed page came back";
    EXPECT_EQ(page->Width(), 850);
    EXPECT_EQ(page->Height(), 1100);
    const RECT ink = BoxOf(*page, [](COLORREF p) {
        return p != CLR_INVALID && GetRValue(p) < 100 && GetGValue(p) < 100 && GetBValue(p) < 100;
    });
    const RECT coloured = BoxOf(*page, [](COLORREF p) {
        const int r = GetRValue(p), g = GetGValue(p), b = GetBValue(p);
        return p != CLR_INVALID && std::max({r, g, b}) - std::min({r, g, b}) > 48;
    });
    EXPECT_LT(coloured.right, coloured.left) << "the paper report is black only";
    // The report starts inside the printable area, a quarter inch in.
    EXPECT_GE(ink.left, 25);
    EXPECT_GE(ink.top, 25);
    EXPECT_GT(ink.right - ink.left, 300);
    EXPECT_FALSE(WaitForDialog(session.ProcessId(), kOptionsCaption, 200));
    EXPECT_TRUE(WaitForCaption(session.Daily(), session.DailyTitle()));
}

// The page view's Print link: the grey page comes out as black text on white.
TEST_F(Printing, PagePrintLinkPrintsBlackOnWhite)
{
    DailySession session(kJane, 2024, 3, 15);
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
    const RECT rest = BoxOf(*paper, [](COLORREF p) {
        return p != CLR_INVALID && !Near(p, RGB(255, 255, 255), 40) && !Near(p, RGB(0, 0, 0), 60) &&
               std::max({GetRValue(p), GetGValue(p), GetBValue(p)}) - std::min({GetRValue(p), GetGValue(p), GetBValue(p)}) > 48;
    });
    EXPECT_GT(ink.right - ink.left, 300) << "the superstition's text";
    EXPECT_LT(rest.right, rest.left) << "no colour on paper";
    int grey = 0;
    for (int y = 0; y < paper->Height(); ++y)
        for (int x = 0; x < paper->Width(); ++x)
            grey += Near(paper->Pixel(x, y), RGB(128, 128, 128), 6);
    EXPECT_LT(grey, paper->Width() * paper->Height() / 100) << "no grey background on paper";
    CloseDialog(page);
}

TEST_F(Printing, OptionsPlaceTheHourlyImageAndAnUnreadableOnePrintsAnEmptyPage)
{
    DailySession session(kJane, 2024, 3, 15);
    HWND hourly = session.OpenHourly(1);
    ASSERT_TRUE(hourly);
    // Spoiled between its saving and its loading for the page, the image
    // prints as an empty page, without options. (First: under Wine a job
    // after one given up with AbortDoc may carry the tail of an older job.)
    PressF2(hourly);
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

    // Sizes in inches on the paper. The drawing's origin is the printable
    // area's corner, a quarter inch in from the paper's, and the image is
    // placed a further physical offset in: at full size its right end runs a
    // quarter inch past the printable area and is cut there.
    struct Case {
        const char* name;
        int resizeIndex;  // -1: leave at 100%; -2: type a size that is no number
        int photoAnswer;  // to the 4 x 6 question; 0: 4 x 6 left off
        const char* shownHeight;
        const char* shownWidth;
        float x, y, width, height;
    };
    const Case cases[] = {
        // 800 x 480 fitted to the 8.0 inches of a Letter page with quarter-inch margins.
        {"fitted", -1, 0, "4.80", "8.00", 0.5f, 0.5f, 7.75f, 4.8f},
        {"half size", 50, 0, "2.40", "4.00", 0.5f, 0.5f, 4.0f, 2.4f},
        {"4 x 6 keeping the ratio", -1, IDYES, "4.00", "6.00", 0.42f, 0.42f, 6.0f, 3.6f},
        {"exactly 4 x 6", -1, IDNO, "4.00", "6.00", 0.25f, 0.25f, 6.0f, 4.0f},
        {"no number", -2, 0, "4.80", "8.00", 0, 0, 0, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        DeleteFileA(PrintOutputPath().c_str());
        PressButton(hourly, IDC_HOURLY_PRINT);
        ASSERT_TRUE(AnswerPrintDialog(session.ProcessId(), IDOK));
        HWND options = WaitForDialog(session.ProcessId(), kOptionsCaption);
        ASSERT_TRUE(options);
        ComboDriver resize(options, IDC_PRINT_RESIZE);
        ComboDriver tile(options, IDC_PRINT_TILE);
        HWND photo = Control(options, IDC_PRINT_PHOTO_4X6);
        EXPECT_EQ(ControlText(options, IDC_PRINT_RESOLUTION), "300 X 300");
        ASSERT_EQ(resize.Count(), 100);
        EXPECT_EQ(resize.ItemText(0), "100%");
        EXPECT_EQ(resize.ItemText(99), "1%");
        EXPECT_EQ(resize.SelectedText(), "100%");
        EXPECT_FALSE(ControlEnabled(options, IDC_PRINT_TILE));
        EXPECT_EQ(tile.Count(), 0);
        if (test.resizeIndex >= 0) {
            resize.Choose(test.resizeIndex);
            EXPECT_EQ(resize.SelectedText(), "50%");
            EXPECT_EQ(tile.Count(), 2);
            EXPECT_EQ(tile.SelectedText(), "no");
        }
        if (test.photoAnswer)
            SendMessageA(photo, BM_CLICK, 0, 0);
        session.Main().Settle();
        EXPECT_EQ(ControlText(options, IDC_PRINT_HEIGHT), test.shownHeight);
        EXPECT_EQ(ControlText(options, IDC_PRINT_WIDTH), test.shownWidth);
        EXPECT_EQ(ControlEnabled(options, IDC_PRINT_RESIZE), test.photoAnswer == 0);
        EXPECT_EQ(ControlEnabled(options, IDC_PRINT_TILE), test.resizeIndex >= 0 && !test.photoAnswer);

        if (test.resizeIndex == -2) {
            // 4 x 6 off again gives the sizes back, keeping the 4 x 6 width.
            for (LRESULT checked : {BST_CHECKED, BST_UNCHECKED}) {
                SendMessageA(photo, BM_CLICK, 0, 0);
                session.Main().Settle();
                EXPECT_EQ(SendMessageA(photo, BM_GETCHECK, 0, 0), checked);
            }
            EXPECT_TRUE(ControlEnabled(options, IDC_PRINT_RESIZE));
            EXPECT_FALSE(ControlEnabled(options, IDC_PRINT_TILE));
            EXPECT_EQ(ControlText(options, IDC_PRINT_WIDTH), "6.00");
            SetControlText(options, IDC_PRINT_HEIGHT, "tall");
            PressButton(options, IDOK);
            ASSERT_TRUE(AnswerMessageBox(WaitForMessageBox(session.ProcessId()), IDOK));
            EXPECT_TRUE(IsWindowVisible(options));
            CloseDialog(options);
            ASSERT_TRUE(WaitUntilGone(options));
            continue;
        }
        PressButton(options, IDOK);
        if (test.photoAnswer) {
            MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
            EXPECT_EQ(question.text, "Would you like Oracline to adjust report's width for you?    \n\n"
                                     "Answer \"Yes\" - if you want to keep original report's ratio intact.\n"
                                     "Answer \"No\" - if you want to print it exactly 4 x 6.    ");
            EXPECT_TRUE(question.hasYesNo);
            AnswerMessageBox(question, test.photoAnswer);
        }
        auto page = PrintedPage(kDotsPerInch);
        ASSERT_TRUE(page) << "no printed page came back";
        const RECT image = BoxOf(*page, [](COLORREF p) { return Near(p, RGB(128, 128, 128), 24); });
        const auto dots = [](float inches) { return static_cast<int>(inches * kDotsPerInch + 0.5f); };
        EXPECT_NEAR(image.left, dots(test.x), 3);
        EXPECT_NEAR(image.top, dots(test.y), 3);
        EXPECT_NEAR(image.right + 1 - image.left, dots(test.width), 4);
        EXPECT_NEAR(image.bottom + 1 - image.top, dots(test.height), 4);
    }

    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
}
