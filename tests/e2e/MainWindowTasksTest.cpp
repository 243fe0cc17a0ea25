// The main window's tasks: the birth-date check, the dream page, the About
// box, the Quick Tip strip, deleting, editing by double click, the
// same-person check, Open Report, closing, and the command line.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965, true};
const TestProfile kAnn{"Ann Lee", "Friend", 2, 29, 1984};

} // namespace

TEST(MainWindowTasks, BirthDateDreamsAboutQuickTipDeletingAndClosing)
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

    // Deleting does not ask; the file goes to the Recycle Bin, the row above
    // takes the selection and the index is written at once.
    session.List().ClickRow(1);
    session.Settle();
    session.Press(IDC_DELETE_PROFILE);
    session.Settle();
    EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
    EXPECT_TRUE(TakeFromRecycleBin(files["Work.ini"]));
    EXPECT_EQ(session.List().SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(DataFile("oc.ini"), IndexFileText({kJane, kAnn}));

    ASSERT_TRUE(session.Close());
    // Every page file goes at closing, whatever the case of its extension.
    for (const char* gone : {"old.HTM", "tip_e.htm", "dream_r.htm"})
        EXPECT_FALSE(FileExists(DataDirectory() + gone)) << gone;
    EXPECT_EQ(DataFile("keep.html"), "x");
}

TEST(MainWindowTasks, DoubleClickEditsAndAnIndexThatCannotBeWrittenStaysAsItWas)
{
    const auto files = DataFilesFor({kJane, kJohn});
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    session.List().ClickRow(1, false, true);
    HWND editor = WaitForDialog(session.ProcessId(), "Profile");
    ASSERT_TRUE(editor) << "no profile editor";
    EXPECT_EQ(ControlText(editor, IDC_DESCRIPTION), "Work");
    EXPECT_TRUE(session.TipSays("Use Personal Data for calculation if you want to try manual calibration."));
    ASSERT_TRUE(CloseAndWait(editor));

    // Held open without sharing, the index cannot be replaced: the user is
    // told, the old index stays whole, and the next change writes it.
    const std::string index = DataDirectory() + "oc.ini";
    HANDLE held = CreateFileA(index.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (int left : {1, 0}) {
        session.Press(IDC_DELETE_PROFILE);
        if (left == 1) {
            MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
            EXPECT_EQ(box.text, "Unable to save profile.    ");
            AnswerMessageBox(box, IDOK);
            CloseHandle(held);
            EXPECT_EQ(DataFile("oc.ini"), files.at("oc.ini"));
        }
        session.Settle();
        EXPECT_EQ(session.List().RowCount(), left);
    }
    EXPECT_EQ(DataFile("oc.ini"), "");
    for (const TestProfile& deleted : {kJane, kJohn})
        TakeFromRecycleBin(ProfileFileText(deleted));
    EXPECT_EQ(session.EnabledButtons(), "A----O--H");
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);
    EXPECT_TRUE(session.Close());
}

TEST(MainWindowTasks, CompanionAndOpenReport)
{
    MainWindowSession session(DataFilesFor({kJane, {"JANE doe", "Jane again", 5, 4, 1990}}));
    ASSERT_TRUE(session.Window());
    session.List().ClickRow(1, true);
    session.Settle();
    session.Press(IDC_COMPANION);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "jane doe and jane doe - same name/birthdays.   \n"
                        "Companion analysis is designed for two different people only.     ");
    AnswerMessageBox(box, IDOK);

    WriteFileBytes(DataDirectory() + "Reports\\saved.jpg", "not really a picture");
    session.Press(IDC_OPEN_REPORT);
    HWND dialog = WaitForDialog(session.ProcessId(), "Select Daily Report");
    ASSERT_TRUE(dialog) << "no file dialog";
    EXPECT_TRUE(session.TipSays("Select and view any Daily Analysis Report you previously saved."));
    EXPECT_TRUE(EnterFileName(dialog, "saved.jpg"));
    // No picture in it: the viewer stays empty and says nothing.
    HWND viewer = WaitForDialog(session.ProcessId(), "To print Daily Report in color click on the F2 key");
    ASSERT_TRUE(viewer) << "no report viewer";
    EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 500));
    ASSERT_TRUE(CloseAndWait(viewer));
    session.Settle();
    EXPECT_TRUE(session.TipSays("Select any profile and click on the Analyze Day button to get your full Daily Analysis."));
    ASSERT_TRUE(session.Close());
}

TEST(MainWindowTasks, MisspeltRecordPathsOpenTheWindow)
{
    // The unattended run itself, incomplete records included, is in
    // ScheduleTest; these start the window.
    const std::string record = "C:\\Program Files\\Oracline\\task.dtr";
    const std::string complete = "Profile:" + DataDirectory() + "Me.ini\r\nEmail:me@example.com\r\n"
                                 "Time:7:5AM\r\nType:0\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"c:\\program files\\oracline\\task.dtr", complete},
        {"\"" + record + "\"", complete},
        {record + " ", complete},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        std::map<std::string, std::string> files = DataFilesFor({kJane});
        files["task.dtr"] = c.second;
        MainWindowSession session(files, c.first);
        EXPECT_TRUE(session.Window());
        EXPECT_TRUE(session.Close());
    }
}
