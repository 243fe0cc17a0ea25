#include "driver/StartupChecks.h"

#include "driver/MainWindowDriver.h"

#include <gtest/gtest.h>

namespace e2e {

namespace {

const char* const kDisplayRefusal =
    "Oracline Minimum Requirements\n\nScreen Resolution 800 x 600 or higher and Color Depth of 16 bits.    ";
const char* const kAdjustSettingsQuestion = "Do you want to adjust your settings?    ";

// The next message box: its text and buttons, then the answer.
void ExpectBox(ProgramRun& run, const char* text, bool yesNo, int answer)
{
    MessageBoxSeen box = WaitForMessageBox(run.ProcessId());
    ASSERT_TRUE(box) << "no message box saying " << text;
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.hasYesNo, yesNo);
    ASSERT_TRUE(AnswerMessageBox(box, answer));
}

} // namespace

void ExpectDisplayRefusal(ProgramRun& run)
{
    ASSERT_TRUE(run.Started());
    ExpectBox(run, kDisplayRefusal, false, IDOK);
    ExpectBox(run, kAdjustSettingsQuestion, true, IDNO);
    EXPECT_TRUE(run.WaitForExit()) << "the program did not end after the refusal";
}

void ExpectAcceptedStart(ProgramRun& run)
{
    ASSERT_TRUE(run.Started());
    // From an empty data directory an accepted start shows the introduction
    // page; a refused one shows a message box instead.
    EXPECT_TRUE(WaitForDialog(run.ProcessId(), kIntroductionCaption)) << WaitForMessageBox(run.ProcessId(), 0).text;
}

} // namespace e2e
