// The Monthly Outlook window opened with the M key: its caption, its client
// area with the five reading colours, Save through the real Save As dialog
// with the saved JPEG's size, and a day chosen with Right and Enter moving
// the Daily Analysis window there.
#include "driver/DailyDriver.h"
#include "res/MonthlyOutlookIds.h"

#include <gtest/gtest.h>

using namespace e2e;

TEST(MonthlyOutlook, OpensWithMSavesAndMovesTheDailyAnalysisToTheChosenDay)
{
    DailySession session({"Jane Doe", "Me", 3, 2, 1950}, 2005, 9, 9);
    HWND daily = session.Daily();
    ASSERT_TRUE(daily);
    const std::string heading = "Daily Analysis - ";
    ASSERT_EQ(session.DailyTitle().rfind(heading, 0), 0u) << session.DailyTitle();
    PressKey(daily, 'M');
    HWND outlook =
        WaitForDialog(session.ProcessId(), "Monthly Outlook - " + session.DailyTitle().substr(heading.size()));
    ASSERT_TRUE(outlook) << "no Monthly Outlook window with the daily caption";

    RECT client{};
    GetClientRect(outlook, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 480);
    // Drawn on the screen, every reading's colour in the plot.
    ClientShot shot;
    for (COLORREF colour : {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0)})
        EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return (shot = CaptureClient(outlook)).Count(colour) > 100; })) << colour;

    const std::string path = DataDirectory() + "Reports\\month.jpg";
    PressButton(outlook, IDC_MONTHLY_SAVE);
    ASSERT_TRUE(EnterFileName(WaitForDialog(session.ProcessId(), "Save Monthly Outlook"), path));
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "Your Monthly Outlook was saved successfully.     ");
    AnswerMessageBox(box, IDOK);
    EXPECT_TRUE(IsJpeg(ReadFileBytes(path))) << path;
    DecodedImage image(path);
    ASSERT_TRUE(image.Loaded());
    EXPECT_EQ(image.Width(), 800);
    EXPECT_EQ(image.Height(), 480);
    EXPECT_TRUE(Near(image.Pixel(790, 300), RGB(128, 128, 128), 12)) << "background";

    PressKey(outlook, VK_RIGHT);
    PressKey(outlook, VK_RETURN);
    EXPECT_TRUE(WaitUntilGone(outlook));
    EXPECT_TRUE(WaitForCaption(daily, CliDaily(session.ProfilePath(), "2005-09-10").title)) << TextOf(daily);
    EXPECT_TRUE(CloseAndWait(daily));
    EXPECT_TRUE(session.Main().Close());
}
