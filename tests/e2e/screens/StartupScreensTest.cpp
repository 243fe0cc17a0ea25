// Start-up checks on screens of their own; CTest runs each group on a private
// Xvfb screen named by the suffix of the test suite.
#include "driver/Driver.h"

using namespace e2e;

namespace {

// The two display messages in order, answered OK and No, and the program ends.
void ExpectDisplayRefusal()
{
    ResetDataDirectory();
    ProgramRun run;
    ASSERT_TRUE(run.Started());
    const struct { const char* text; bool yesNo; int answer; } boxes[] = {
        {"Oracline Minimum Requirements\n\nScreen Resolution 800 x 600 or higher and Color Depth of 16 bits.    ", false, IDOK},
        {"Do you want to adjust your settings?    ", true, IDNO}};
    for (const auto& expected : boxes) {
        MessageBoxSeen box = WaitForMessageBox(run.ProcessId());
        ASSERT_TRUE(box) << "no message box saying " << expected.text;
        EXPECT_EQ(box.text, expected.text);
        EXPECT_EQ(box.hasYesNo, expected.yesNo);
        ASSERT_TRUE(AnswerMessageBox(box, expected.answer));
    }
    EXPECT_TRUE(run.WaitForExit()) << "the program did not end after the refusal";
}

} // namespace

TEST(StartupOnScreen_640x480x24, NarrowScreenIsRefusedWithBothMessagesInOrder)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    ExpectDisplayRefusal();
    // A refused start still leaves its directories, and nothing else.
    EXPECT_TRUE(DirectoryExists(ReportsDirectory()));
    EXPECT_FALSE(FileExists(DataDirectory() + "oc.ini"));
}

TEST(StartupOnScreen_1024x768x8, PaletteScreenIsRefused)
{
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE);
    ReleaseDC(nullptr, screen);
    ExpectDisplayRefusal();
}

TEST(StartupOnScreen_1024x480x24, LowButWideScreenIsAccepted)
{
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    ResetDataDirectory();
    ProgramRun run;
    ASSERT_TRUE(run.Started());
    // From an empty data directory an accepted start shows the introduction
    // page; a refused one shows a message box instead.
    EXPECT_TRUE(WaitForDialog(run.ProcessId(), kIntroductionCaption)) << WaitForMessageBox(run.ProcessId(), 0).text;
}
