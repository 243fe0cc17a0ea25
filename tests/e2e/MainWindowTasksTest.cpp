// The main window's tasks: the birth-date check, the dream page, the About
// box, the Quick Tip strip, editing by double click, deleting, closing, the
// Companion Analysis with its refusals and printout, the Help Wizard's page
// file, and a saved report opened through the real file dialog into the
// viewer, shown centred and printed with F2.
#include "driver/PrinterDriver.h"
#include "res/CompanionWindowIds.h"
#include "res/HelpWizardIds.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965, true};
const TestProfile kAnn{"Ann Lee", "Friend", 2, 29, 1984};
const char* const kViewerCaption = "To print Daily Report in color click on the F2 key";
const COLORREF kReportColour = RGB(200, 60, 20);

// The bands of rows holding dark ink, top to bottom.
int InkBands(const DecodedImage& page)
{
    int bands = 0;
    for (int y = 0, x = 0, before = 0; y < page.Height(); ++y, before = x < page.Width(), x = 0) {
        while (x < page.Width() && !Near(page.Pixel(x, y), RGB(0, 0, 0), 100))
            ++x;
        bands += x < page.Width() && !before;
    }
    return bands;
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    const ClientShot shot = CaptureClient(window);
    return shot.pixels.at(static_cast<size_t>(y * shot.width + x));
}

} // namespace

TEST(MainWindowTasks, BirthDateDreamsAboutQuickTipEditingDeletingAndClosing)
{
    std::map<std::string, std::string> files = DataFilesFor({kJane, kJohn, kAnn});
    for (const char* extra : {"old.HTM", "keep.html"})
        files[extra] = "x";
    // A line no reader knows makes this run's file unlike any other in the bin.
    files["Work.ini"] += "Run:" + std::to_string(GetTickCount()) + "\r\n";
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());

    ASSERT_TRUE(session.ChooseDate(1990, 5, 3));
    session.Press(IDOK);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "You can't analyze a date before your birth date.     ");
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(session.ChooseDate(1990, 5, 4));
    const std::pair<int, const char*> tasks[] = {{IDOK, "Daily Analysis - "}, {IDC_DREAMS, " Dream Interpretation"}};
    for (const auto& task : tasks) {
        session.Press(task.first);
        HWND opened = WaitForDialogWhere(session.ProcessId(),
                                         [&](HWND window) { return TextOf(window).rfind(task.second, 0) == 0; });
        ASSERT_TRUE(opened) << task.second;
        ASSERT_TRUE(CloseAndWait(opened));
    }
    EXPECT_TRUE(FileExists(DataDirectory() + "dream_r.htm"));

    PostMessageA(session.Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitForDialog(session.ProcessId(), "About Oracline 2005");
    ASSERT_TRUE(about);
    EXPECT_NE(ControlText(about, IDC_ABOUT_TEXT).find("Oracline 2005"), std::string::npos);
    EXPECT_TRUE(CloseAndWait(about));

    // The Quick Tip strip sits under the window and refuses Escape.
    HWND tip = WaitForDialog(session.ProcessId(), "Quick Tip");
    ASSERT_TRUE(tip);
    RECT main{}, strip{};
    GetWindowRect(session.Window(), &main);
    GetWindowRect(tip, &strip);
    EXPECT_EQ(std::vector<LONG>({strip.left, strip.top, strip.right, strip.bottom - strip.top}),
              std::vector<LONG>({main.left, main.bottom, main.right, 85}));
    PressKey(tip, VK_ESCAPE);
    box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "Quick Tip dialog must remain open.       ");
    AnswerMessageBox(box, IDOK);
    EXPECT_TRUE(IsWindow(tip) && IsWindowVisible(tip));

    session.List().ClickRow(1, false, true);
    HWND editor = WaitForDialog(session.ProcessId(), "Profile");
    ASSERT_TRUE(editor) << "no profile editor";
    EXPECT_EQ(ControlText(editor, IDC_DESCRIPTION), "Work");
    EXPECT_TRUE(session.TipSays("Use Personal Data for calculation if you want to try manual calibration."));
    ASSERT_TRUE(CloseAndWait(editor));

    // Deleting does not ask; the file goes to the Recycle Bin, the row above
    // takes the selection and the index is written at once.
    session.Press(IDC_DELETE_PROFILE);
    session.Settle();
    EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
    EXPECT_TRUE(TakeFromRecycleBin(files["Work.ini"]));
    EXPECT_EQ(session.List().SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(DataFile("oc.ini"), IndexFileText({kJane, kAnn}));

    // Held open without sharing, the index cannot be replaced: the user is
    // told, the old index stays whole, and the next change writes it.
    HANDLE held = CreateFileA((DataDirectory() + "oc.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (int left : {1, 0}) {
        session.Press(IDC_DELETE_PROFILE);
        if (left == 1) {
            box = WaitForMessageBox(session.ProcessId());
            EXPECT_EQ(box.text, "Unable to save profile.    ");
            AnswerMessageBox(box, IDOK);
            CloseHandle(held);
            EXPECT_EQ(DataFile("oc.ini"), IndexFileText({kJane, kAnn}));
        }
        session.Settle();
        EXPECT_EQ(session.List().RowCount(), left);
    }
    EXPECT_EQ(DataFile("oc.ini"), "");
    for (const TestProfile& deleted : {kJane, kAnn})
        TakeFromRecycleBin(ProfileFileText(deleted));
    EXPECT_EQ(session.EnabledButtons(), "A----O--H");
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);

    ASSERT_TRUE(session.Close());
    // Every page file goes at closing, whatever the case of its extension.
    for (const char* gone : {"old.HTM", "tip_e.htm", "dream_r.htm"})
        EXPECT_FALSE(FileExists(DataDirectory() + gone)) << gone;
    EXPECT_EQ(DataFile("keep.html"), "x");
}

TEST(MainWindowTasks, CompanionHelpAndSavedReports)
{
    std::string problem;
    ASSERT_TRUE(InstallTestPrinter(&problem)) << problem;
    const TestProfile ghost{"Nobody Here", "Ghost", 1, 1, 1980}, janeAgain{"JANE doe", "Jane again", 5, 4, 1990};
    std::map<std::string, std::string> files =
        DataFilesFor({kJane, {"John Smith", "Work", 11, 30, 1965}, ghost, janeAgain});
    files.erase("Ghost.ini");
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    auto openCompanion = [&](int secondRow) {
        session.List().ClickRow(0);
        session.List().ClickRow(secondRow, true);
        session.Settle();
        session.Press(IDC_COMPANION);
    };

    // A profile without its file, and the same person twice: a stop saying
    // why, and no window.
    const std::pair<int, const char*> refusals[] = {
        {2, "Unable to read profile \"Ghost\".     \nCompanion analysis needs both profiles.     "},
        {3, "jane doe and jane doe - same name/birthdays.   \n"
            "Companion analysis is designed for two different people only.     "},
    };
    for (const auto& refusal : refusals) {
        openCompanion(refusal.first);
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
        EXPECT_EQ(box.text, refusal.second);
        AnswerMessageBox(box, IDOK);
        EXPECT_FALSE(WaitForDialog(session.ProcessId(), "Companion Analysis", 300));
    }

    openCompanion(1);
    HWND companion = WaitForDialog(session.ProcessId(), "Companion Analysis", 3000);
    ASSERT_TRUE(companion) << "no Companion Analysis window";
    PressButton(companion, IDC_COMPANION_EXPLAIN);
    HWND page = WaitForDialog(session.ProcessId(), " Companion Analysis");
    ASSERT_TRUE(page) << "no explanation page";
    // Written for the two profiles chosen, not a page left from before.
    EXPECT_NE(DataFile("reading.htm").find("Taurus and Sagittarius"), std::string::npos);
    ASSERT_TRUE(CloseAndWait(page));
    DeleteFileA(PrintOutputPath().c_str());
    PressButton(companion, IDOK);
    ASSERT_TRUE(WaitUntilGone(companion));
    ASSERT_TRUE(AnswerPrintDialog(session.ProcessId()));
    auto printed = PrintedPage(100);
    ASSERT_TRUE(printed) << "no printed page came back";
    EXPECT_EQ(InkBands(*printed), 4);

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

    auto openReport = [&](const char* name) {
        session.Press(IDC_OPEN_REPORT);
        HWND dialog = WaitForDialog(session.ProcessId(), "Select Daily Report");
        EXPECT_TRUE(session.TipSays("Select and view any Daily Analysis Report you previously saved."));
        EXPECT_TRUE(EnterFileName(dialog, name)) << "no file dialog";
        return WaitForDialog(session.ProcessId(), kViewerCaption);
    };
    // No picture in it: the viewer stays empty and says nothing.
    WriteFileBytes(DataDirectory() + "Reports\\saved.jpg", "not really a picture");
    HWND viewer = openReport("saved.jpg");
    ASSERT_TRUE(viewer) << "no report viewer";
    EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 500));
    ASSERT_TRUE(CloseAndWait(viewer));
    session.Settle();
    EXPECT_TRUE(session.TipSays("Select any profile and click on the Analyze Day button to get your full Daily Analysis."));

    ASSERT_TRUE(WriteFileBytes(DataDirectory() + "Reports\\today.jpg", PlainBitmap(600, 400, kReportColour)));
    viewer = openReport("today.jpg");
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
    ASSERT_TRUE(session.Close());
}
