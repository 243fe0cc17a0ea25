// Start-up checks on screens of their own; CTest runs each group on a private
// Xvfb screen named by the suffix of the test suite.
#include "driver/Driver.h"
#include "driver/StartupChecks.h"

#include <gtest/gtest.h>

using namespace e2e;

class StartupOnScreen : public ::testing::Test {
protected:
    void SetUp() override { ResetDataDirectory(); }
};

using StartupOnScreen_640x480x24 = StartupOnScreen;
using StartupOnScreen_1024x768x8 = StartupOnScreen;
using StartupOnScreen_1024x480x24 = StartupOnScreen;

TEST_F(StartupOnScreen_640x480x24, NarrowScreenIsRefusedWithBothMessagesInOrder)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    ProgramRun run;
    ExpectDisplayRefusal(run);
    // A refused start still leaves its directories, and nothing else.
    EXPECT_TRUE(DirectoryExists(DataDirectory() + "Reports"));
    EXPECT_FALSE(FileExists(DataDirectory() + "oc.ini"));
}

TEST_F(StartupOnScreen_1024x768x8, PaletteScreenIsRefused)
{
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE);
    ReleaseDC(nullptr, screen);
    ProgramRun run;
    ExpectDisplayRefusal(run);
}

TEST_F(StartupOnScreen_1024x480x24, LowButWideScreenIsAccepted)
{
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    ProgramRun run;
    ExpectAcceptedStart(run);
}
