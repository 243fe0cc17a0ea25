// The hourly window opened from the Daily Analysis window: its caption for
// each reading, F2 and Print through "hourly.jpg", the image's bars, and the
// image's removal when the window closes.
#include "driver/HourlyDriver.h"
#include "driver/PrinterDriver.h"
#include "res/HourlyWindowIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};

std::string HourlyImagePath()
{
    return DataDirectory() + "hourly.jpg";
}

class HourlyWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The print dialog needs a printer to offer; the test one never
        // reaches paper.
        std::string problem;
        ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;
    }
};

} // namespace

TEST_F(HourlyWindowTest, EachReadingOpensItsWindowAndTheDailyWindowComesBack)
{
    DailySession session(kJane, 2024, 3, 15);
    ASSERT_TRUE(session.Daily()) << "no Daily Analysis window titled " << session.DailyTitle();
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        HWND hourly = session.OpenHourly(kind);
        ASSERT_TRUE(hourly) << "no hourly window with the title of oracline-cli single";
        EXPECT_EQ(ControlText(hourly, IDC_HOURLY_PRINT), "Print");
        EXPECT_TRUE(ControlEnabled(hourly, IDC_HOURLY_PRINT));
        CloseDialog(hourly);
        ASSERT_TRUE(WaitUntilGone(hourly));
        EXPECT_TRUE(WaitForCaption(session.Daily(), session.DailyTitle()));
    }
}

TEST_F(HourlyWindowTest, F2SavesTheImageAndOpensThePrintDialogEveryTime)
{
    DailySession session(kJane, 2024, 3, 15);
    HWND hourly = session.OpenHourly(2);
    ASSERT_TRUE(hourly);
    EXPECT_FALSE(FileExists(HourlyImagePath()));
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        // A stale file shows whether the press really replaces it.
        if (press == 2) {
            ASSERT_TRUE(WriteFileBytes(HourlyImagePath(), "stale"));
        }
        PressF2(hourly);
        HWND print = WaitForPrintDialog(session.ProcessId());
        ASSERT_TRUE(print) << "F2 did not reach Print";
        int width = 0;
        int height = 0;
        ASSERT_TRUE(JpegSize(ReadFileBytes(HourlyImagePath()), width, height));
        EXPECT_EQ(width, 800);
        EXPECT_EQ(height, 480);
        CancelPrintDialog(print);
        ASSERT_TRUE(WaitUntilGone(print));
        // Cancelling the print dialog ends the print: no options follow.
        EXPECT_FALSE(WaitForDialog(session.ProcessId(), "Print: hourly.jpg", 300));
    }
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
    EXPECT_FALSE(FileExists(HourlyImagePath()));
}

TEST_F(HourlyWindowTest, ClosingWithoutPrintLeavesNoImageBehind)
{
    DailySession session(kJane, 2024, 3, 15);
    // A file left from an earlier run goes when the window closes, too.
    HWND hourly = session.OpenHourly(5);
    ASSERT_TRUE(hourly);
    ASSERT_TRUE(WriteFileBytes(HourlyImagePath(), "left over"));
    SetFileAttributesA(HourlyImagePath().c_str(), FILE_ATTRIBUTE_READONLY);
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
    EXPECT_FALSE(FileExists(HourlyImagePath()));
}

TEST_F(HourlyWindowTest, ImageBarsEndAtTheThreeReadings)
{
    DailySession session(kJane, 2024, 3, 15);
    // Intellectual: readings high enough on these days for every bar to show.
    const int kind = 3;
    const CliSingleReading before = CliSingle(session.ProfilePath(), kind, "2024-03-14", session.IsoDate());
    const CliSingleReading day = CliSingle(session.ProfilePath(), kind, session.IsoDate());
    const CliSingleReading after = CliSingle(session.ProfilePath(), kind, "2024-03-16", session.IsoDate());
    ASSERT_TRUE(before.ok && day.ok && after.ok);
    // A flat half is drawn one point higher, once.
    int previous = before.value;
    int current = day.value;
    int next = after.value;
    if (previous == current) {
        ++current;
        ++next;
    }
    if (next == current)
        ++next;

    HWND hourly = session.OpenHourly(kind);
    ASSERT_TRUE(hourly);
    PressButton(hourly, IDC_HOURLY_PRINT);
    HWND print = WaitForPrintDialog(session.ProcessId());
    ASSERT_TRUE(print);
    DecodedImage image(HourlyImagePath());
    CancelPrintDialog(print);
    ASSERT_TRUE(image.Loaded());

    const COLORREF grey = RGB(128, 128, 128);
    EXPECT_TRUE(Near(image.Pixel(780, 200), grey, 12));
    // The black bars of hours 00, 12 and 24 stand on the axis at y 425 and
    // reach 3 pixels per point above y 428 (JPEG edges blur a few pixels).
    struct Bar {
        int hour;
        int centre;
        int value;
    };
    const Bar bars[] = {{0, 66, previous}, {12, 54 + 27 * 12 + 11, current}, {24, 54 + 27 * 24 + 12, next}};
    for (const Bar& bar : bars) {
        SCOPED_TRACE(bar.hour);
        const int top = 428 - 3 * bar.value;
        // A bar of a few pixels hides in the axis; only its top is told.
        if (425 - top >= 8) {
            EXPECT_TRUE(Near(image.Pixel(bar.centre, top + 3), RGB(0, 0, 0), 60));
            EXPECT_TRUE(Near(image.Pixel(bar.centre, (top + 425) / 2), RGB(0, 0, 0), 60));
        }
        EXPECT_TRUE(Near(image.Pixel(bar.centre, top - 4), grey, 30));
    }
    // The hours between are blue.
    EXPECT_TRUE(Near(image.Pixel(54 + 27 * 6 + 12, 421), RGB(0, 0, 255), 60));
    CloseDialog(hourly);
    ASSERT_TRUE(WaitUntilGone(hourly));
}
