// The Help Wizard's page file, and a saved report opened through the real
// file dialog into the viewer, shown centred and printed with F2.
#include "driver/PrinterDriver.h"
#include "res/HelpWizardIds.h"
#include "res/MainWindowIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const char* const kViewerCaption = "To print Daily Report in color click on the F2 key";
const COLORREF kReportColour = RGB(200, 60, 20);

COLORREF ScreenPixel(HWND window, int x, int y)
{
    const ClientShot shot = CaptureClient(window);
    return shot.pixels.at(static_cast<size_t>(y * shot.width + x));
}

} // namespace

TEST(HelpAndViewer, HelpRewritesItsPageForEveryChoiceAndASavedReportIsShownAndPrintedWithF2)
{
    std::string problem;
    ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());

    // The first topic is there at once; choosing a topic, even the same one
    // again, writes its page anew.
    session.Press(IDC_HELP_BUTTON);
    HWND wizard = WaitForDialog(session.ProcessId(), "Help Wizard");
    ASSERT_TRUE(wizard);
    ComboDriver topics(wizard, IDC_HELP_TOPICS);
    EXPECT_EQ(topics.Count(), 9);
    EXPECT_NE(DataFile("help.htm").find("<b>Oracline 2005 is one of a kind Numerology"), std::string::npos);
    const std::string faq = "Can I schedule email delivery reports for multiple profiles?";
    for (int again = 0; again < 2; ++again) {
        WriteFileBytes(DataDirectory() + "help.htm", "stale");
        topics.Choose(7);
        EXPECT_NE(DataFile("help.htm").find(faq), std::string::npos) << again;
    }
    ASSERT_TRUE(CloseAndWait(wizard));

    ASSERT_TRUE(WriteFileBytes(DataDirectory() + "Reports\\today.jpg", PlainBitmap(600, 400, kReportColour)));
    session.Press(IDC_OPEN_REPORT);
    HWND files = WaitForDialog(session.ProcessId(), "Select Daily Report");
    ASSERT_TRUE(files);
    ASSERT_TRUE(EnterFileName(files, "today.jpg"));
    HWND viewer = WaitForDialog(session.ProcessId(), kViewerCaption);
    ASSERT_TRUE(viewer);
    EXPECT_TRUE(WindowSize(viewer).cx == 800 && WindowSize(viewer).cy == 600);
    session.Settle();
    // 600 x 400 is drawn at (97, 85) of the client area.
    EXPECT_TRUE(Near(ScreenPixel(viewer, 97 + 1, 85 + 1), kReportColour, 16));
    EXPECT_FALSE(Near(ScreenPixel(viewer, 97 - 2, 85 - 2), kReportColour, 60));

    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        DeleteFileA(PrintOutputPath().c_str());
        PressKey(viewer, VK_F2);
        ASSERT_TRUE(AnswerPrintDialog(session.ProcessId())) << "F2 did not print";
        HWND options = WaitForDialog(session.ProcessId(), "Print: today.jpg");
        ASSERT_TRUE(options);
        PressButton(options, IDOK);
        auto page = PrintedPage(100);
        ASSERT_TRUE(page) << "no printed page came back";
        // Fitted to the page's width, in colour.
        EXPECT_TRUE(Near(page->Pixel(page->Width() / 2, 50 + 200), kReportColour, 40));
        EXPECT_TRUE(IsWindowVisible(viewer));
    }
    ASSERT_TRUE(CloseAndWait(viewer));
}
