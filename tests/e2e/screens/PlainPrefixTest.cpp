// The first start in a prefix made by wineboot alone, as a user's own ~/.wine
// is: none of Wine's fonts, so not even GDI+'s generic families exist. The
// pages fall back to any installed family, or show no text, and the program
// goes on. Without MS Sans Serif the dialogs come out in other proportions,
// and the Daily Analysis must still keep its buttons off its chart.
#include "driver/Driver.h"

using namespace e2e;

TEST(PlainPrefix, ClosingTheIntroductionLeavesTheMainWindowWithItsQuickTip)
{
    MainWindowSession session({}, "", false);
    HWND intro = WaitForDialog(session.ProcessId(), kIntroductionCaption);
    ASSERT_TRUE(intro) << "no introduction page";
    EXPECT_TRUE(CloseAndWait(intro));
    ASSERT_TRUE(session.WaitForMainWindow());
    HWND tip = WaitForDialog(session.ProcessId(), "Quick Tip", 2000);
    ASSERT_TRUE(tip);
    const Picture shot = CaptureClient(GetWindow(Control(tip, 1003), GW_CHILD));
    EXPECT_GT(shot.Count(RGB(128, 128, 128)), static_cast<int>(shot.pixels.size()) / 2);
    ASSERT_TRUE(session.Close());
}

TEST(PlainPrefix, NoControlLiesOverTheDailyReport)
{
    DailySession session({"Jane Doe", "Me", 3, 2, 1950}, {2005, 8, 31});
    ASSERT_TRUE(session.Daily());
    EXPECT_EQ(ControlsOverDrawing(session.Daily()), std::vector<int>{});
}
