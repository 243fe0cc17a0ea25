// The main window's tasks: deleting, the birth-date and same-person checks,
// the dream page, Open Report's file dialog, the About box, the Quick Tip
// strip, closing, and which command lines open the window.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const char* const kAddProfileTip = "Click on the Add Profile button to create your unique profile.";

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965, true};
const TestProfile kAnn{"Ann Lee", "Friend", 2, 29, 1984};

std::vector<std::string> Descriptions(const ListViewDriver& list)
{
    std::vector<std::string> rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.push_back(list.CellText(row, 1));
    return rows;
}

} // namespace

TEST(MainWindowTasks, BirthDateDreamsAboutQuickTipDeletingAndClosing)
{
    std::map<std::string, std::string> files = DataFilesFor({kJane, kJohn, kAnn});
    for (const char* extra : {"old.HTM", "Notes.Htm", "keep.html", "keep.htm.txt"})
        files[extra] = "x";
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());

    struct Case {
        int year, month, day;
        bool refused;
    };
    const Case cases[] = {{1989, 12, 31, true}, {1990, 5, 3, true}, {1990, 5, 4, false}, {2000, 1, 1, false}};
    for (int button : {IDOK, IDC_DREAMS}) {
        for (const Case& c : cases) {
            SCOPED_TRACE((button == IDOK ? "Analyze Day " : "Dreams ") + std::to_string(c.year) + "-" +
                         std::to_string(c.month) + "-" + std::to_string(c.day));
            ASSERT_TRUE(session.ChooseDate(c.year, c.month, c.day));
            session.Press(button);
            MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), c.refused ? kWaitMs : 1000);
            EXPECT_EQ(box.text, c.refused ? "You can't analyze a date before your birth date.     " : "");
            EXPECT_FALSE(box.hasYesNo);
            AnswerMessageBox(box, IDOK);
            if (c.refused)
                continue;
            // Allowed, the day opens its window or the dream page.
            HWND opened = nullptr;
            WaitUntil(kWaitMs, [&] {
                for (HWND window : DialogsOf(session.ProcessId()))
                    if (TextOf(window).find(button == IDOK ? "Daily Analysis - " : " Dream Interpretation") == 0)
                        opened = window;
                return opened != nullptr;
            });
            ASSERT_TRUE(opened);
            if (button == IDC_DREAMS) {
                EXPECT_TRUE(FileExists(DataDirectory() + "dream_e.htm"));
                EXPECT_TRUE(FileExists(DataDirectory() + "dream_r.htm"));
            }
            CloseDialog(opened);
            ASSERT_TRUE(WaitUntilGone(opened));
        }
    }

    PostMessageA(session.Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitForDialog(session.ProcessId(), "About Oracline 2005");
    ASSERT_TRUE(about);
    EXPECT_NE(ControlText(about, IDC_ABOUT_TEXT).find("Oracline 2005"), std::string::npos);
    CloseDialog(about);
    EXPECT_TRUE(WaitUntilGone(about));

    // The Quick Tip strip sits under the window and refuses Escape.
    HWND tip = WaitForDialog(session.ProcessId(), "Quick Tip");
    ASSERT_TRUE(tip);
    RECT main{}, strip{};
    GetWindowRect(session.Window(), &main);
    GetWindowRect(tip, &strip);
    EXPECT_EQ(strip.left, main.left);
    EXPECT_EQ(strip.top, main.bottom);
    EXPECT_EQ(strip.right - strip.left, main.right - main.left);
    EXPECT_EQ(strip.bottom - strip.top, 85);
    CloseDialog(tip);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "Quick Tip dialog must remain open.       ");
    AnswerMessageBox(box, IDOK);
    EXPECT_TRUE(IsWindow(tip) && IsWindowVisible(tip));

    // A row other than the first goes: the row above it is selected; the
    // first goes: the new first row takes its place.
    ListViewDriver list = session.List();
    list.ClickRow(1);
    session.Settle();
    session.Press(IDC_DELETE_PROFILE);
    session.Settle();
    EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
    EXPECT_EQ(Descriptions(list), (std::vector<std::string>{"Me", "Friend"}));
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
    // Nothing is written before the window closes.
    EXPECT_EQ(DataFile("oc.ini"), files["oc.ini"]);
    session.Press(IDC_DELETE_PROFILE);
    session.Settle();
    EXPECT_FALSE(FileExists(DataDirectory() + "Me.ini"));
    EXPECT_EQ(Descriptions(list), std::vector<std::string>{"Friend"});
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});

    ASSERT_TRUE(FileExists(DataDirectory() + "tip_e.htm"));
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"), IndexFileText({kAnn}));
    // Every page file goes at closing, whatever the case of its extension.
    for (const char* gone : {"old.HTM", "Notes.Htm", "tip_e.htm", "dream_e.htm"})
        EXPECT_FALSE(FileExists(DataDirectory() + gone)) << gone;
    for (const char* kept : {"keep.html", "keep.htm.txt", "Friend.ini"})
        EXPECT_EQ(DataFile(kept), files[kept]) << kept;
}

TEST(MainWindowTasks, DoubleClickEditsTheRowClickedAndDeletingAllLeavesOnlyAdd)
{
    MainWindowSession session(DataFilesFor({kJane, kJohn}));
    ASSERT_TRUE(session.Window());
    session.List().ClickRow(1, false, true);
    HWND editor = WaitForDialog(session.ProcessId(), "Profile");
    ASSERT_TRUE(editor) << "no profile editor";
    EXPECT_EQ(ControlText(editor, IDC_DESCRIPTION), "Work");
    EXPECT_TRUE(session.TipSays("Use Personal Data for calculation if you want to try manual calibration."));
    CloseDialog(editor);
    ASSERT_TRUE(WaitUntilGone(editor));
    EXPECT_EQ(session.List().SelectedRows(), std::vector<int>{1});

    for (int left : {1, 0}) {
        session.Press(IDC_DELETE_PROFILE);
        session.Settle();
        EXPECT_EQ(session.List().RowCount(), left);
    }
    EXPECT_EQ(session.EnabledButtons(), "A----O--H");
    EXPECT_TRUE(session.TipSays(kAddProfileTip));
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"), "");
}

TEST(MainWindowTasks, OpenReportAsksForASavedReportAndComesBack)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    session.Press(IDC_OPEN_REPORT);
    HWND dialog = WaitForDialog(session.ProcessId(), "Select Daily Report");
    ASSERT_TRUE(dialog) << "no file dialog";
    EXPECT_TRUE(session.TipSays("Select and view any Daily Analysis Report you previously saved."));
    CloseDialog(dialog);
    EXPECT_TRUE(WaitUntilGone(dialog));
    session.Settle();
    EXPECT_TRUE(
        session.TipSays("Select any profile and click on the Analyze Day button to get your full Daily Analysis."));
    ASSERT_TRUE(session.Close());
}

TEST(MainWindowTasks, OnlyTheExactRecordPathWithACompleteRecordStartsUnattended)
{
    const std::string record = "C:\\Program Files\\Oracline\\task.dtr";
    const std::string complete = "Profile:" + DataDirectory() + "Me.ini\r\nEmail:me@example.com\r\n"
                                 "Time:7:5AM\r\nType:0\r\n";
    struct Case {
        std::string commandLine;
        std::string recordText;
        bool mainWindow;
    };
    const Case cases[] = {
        {"c:\\program files\\oracline\\task.dtr", complete, true},
        {"\"" + record + "\"", complete, true},
        {record + " ", complete, true},
        {record, "Profile:" + DataDirectory() + "Me.ini\r\nType:1\r\n", true},
        {record, complete, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        std::map<std::string, std::string> files = DataFilesFor({kJane});
        files["task.dtr"] = c.recordText;
        MainWindowSession session(files, c.commandLine, c.mainWindow);
        if (c.mainWindow) {
            EXPECT_TRUE(session.Window());
            EXPECT_TRUE(session.Close());
        } else {
            EXPECT_TRUE(session.Run().WaitForExit());
            EXPECT_TRUE(DialogsOf(session.ProcessId()).empty());
        }
    }
}
