#include "driver/StartupChecks.h"

#include "driver/MainWindowDriver.h"

#include <gtest/gtest.h>

namespace e2e {

const char* const kWindows95Refusal =
    "Oracline Minimum Requirements:   \n\nWindows 98/98SE/ME/NT/2000/XP/2003.    ";
const char* const kDisplayRefusal =
    "Oracline Minimum Requirements\n\nScreen Resolution 800 x 600 or higher and Color Depth of 16 bits.    ";
const char* const kAdjustSettingsQuestion = "Do you want to adjust your settings?    ";

void ExpectDisplayRefusal(ProgramRun& run)
{
    ASSERT_TRUE(run.Started());
    MessageBoxSeen first = WaitForMessageBox(run.ProcessId());
    ASSERT_TRUE(first) << "no message box about the display";
    EXPECT_EQ(first.text, kDisplayRefusal);
    EXPECT_FALSE(first.hasYesNo);
    ASSERT_TRUE(AnswerMessageBox(first, IDOK));

    MessageBoxSeen second = WaitForMessageBox(run.ProcessId());
    ASSERT_TRUE(second) << "no question about adjusting the settings";
    EXPECT_EQ(second.text, kAdjustSettingsQuestion);
    EXPECT_TRUE(second.hasYesNo);
    ASSERT_TRUE(AnswerMessageBox(second, IDNO));
    EXPECT_TRUE(run.WaitForExit()) << "the program did not end after the refusal";
}

void ExpectWindows95Refusal(ProgramRun& run)
{
    ASSERT_TRUE(run.Started());
    MessageBoxSeen box = WaitForMessageBox(run.ProcessId());
    ASSERT_TRUE(box) << "no message box about Windows 95";
    EXPECT_EQ(box.text, kWindows95Refusal);
    EXPECT_FALSE(box.hasYesNo);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(run.WaitForExit()) << "the program did not end after the refusal";
    EXPECT_TRUE(DialogsOf(run.ProcessId()).empty());
}

void ExpectAcceptedStart(ProgramRun& run)
{
    ASSERT_TRUE(run.Started());
    // An accepted start opens the main window, or on a first start the
    // introduction page in front of it; a message box means it was refused.
    HWND shown = nullptr;
    MessageBoxSeen box;
    WaitUntil(kWaitMs, [&] {
        for (HWND window : DialogsOf(run.ProcessId())) {
            std::string caption = TextOf(window);
            if (caption == kMainWindowCaption || caption == kIntroductionCaption) {
                shown = window;
                return true;
            }
            if (caption == "Oracline" && GetDlgItem(window, 0xFFFF)) {
                box.window = window;
                box.text = TextOf(GetDlgItem(window, 0xFFFF));
                box.hasYesNo = GetDlgItem(window, IDYES) != nullptr;
                return true;
            }
        }
        return false;
    });
    EXPECT_FALSE(box) << "unexpected message: " << box.text;
    if (box)
        AnswerMessageBox(box, box.hasYesNo ? IDNO : IDOK);
    EXPECT_TRUE(shown || box) << "neither the main window nor the introduction page appeared";
}

} // namespace e2e
