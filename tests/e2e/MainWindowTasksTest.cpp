// The main window's tasks: deleting, the birth-date and same-person checks,
// the dream page, Open Report's file dialog, the About box, the Quick Tip
// strip, closing, and which command lines open the window.
#include "driver/FileDialogDriver.h"
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const char* const kBeforeBirth = "You can't analyze a date before your birth date.     ";
const char* const kAddProfileTip = "Click on the Add Profile button to create your unique profile.";
const char* const kRestingTip =
    "Select any profile and click on the Analyze Day button to get your full Daily Analysis.";

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965, true};
const TestProfile kAnn{"Ann Lee", "Friend", 2, 29, 1984};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Descriptions(const ListViewDriver& list)
{
    std::vector<std::string> rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.push_back(list.CellText(row, 1));
    return rows;
}

} // namespace

TEST(MainWindowTasks, DeletingMovesTheSelectionAndRewritesTheIndexAtClosing)
{
    MainWindowSession session(DataFilesFor({kJane, kJohn, kAnn}));
    ASSERT_TRUE(session.Window());
    ListViewDriver list = session.List();
    struct Step {
        int click;   // row to select first, -1 for the current selection
        std::vector<std::string> left;
        std::vector<int> selected;
        std::string removedFile;
    };
    const Step steps[] = {
        // The first row goes: the new first row takes its place.
        {-1, {"Work", "Friend"}, {0}, "Me.ini"},
        // Any other row goes: the row above it is selected.
        {1, {"Work"}, {0}, "Friend.ini"},
        // The last row goes: nothing is left to select.
        {-1, {}, {}, "Work.ini"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.removedFile);
        if (step.click >= 0) {
            list.ClickRow(step.click);
            session.Settle();
        }
        PressButton(session.Window(), IDC_DELETE_PROFILE);
        session.Settle();
        EXPECT_FALSE(FileExists(DataDirectory() + step.removedFile));
        EXPECT_EQ(Descriptions(list), step.left);
        EXPECT_EQ(list.SelectedRows(), step.selected);
    }
    EXPECT_EQ(session.EnabledButtons(), "A----O--H");
    EXPECT_TRUE(Contains(session.TipPage(), kAddProfileTip));
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);
    ASSERT_TRUE(session.Close());
    EXPECT_TRUE(FileExists(DataDirectory() + "oc.ini"));
    EXPECT_EQ(ReadFileBytes(DataDirectory() + "oc.ini"), "");
}

TEST(MainWindowTasks, IndexIsRewrittenByteForByteAfterADeletion)
{
    MainWindowSession session(DataFilesFor({kJane, kJohn, kAnn}));
    ASSERT_TRUE(session.Window());
    session.List().ClickRow(1);
    session.Settle();
    PressButton(session.Window(), IDC_DELETE_PROFILE);
    session.Settle();
    // Nothing is written before the window closes.
    EXPECT_EQ(ReadFileBytes(DataDirectory() + "oc.ini"), IndexFileText({kJane, kJohn, kAnn}));
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(ReadFileBytes(DataDirectory() + "oc.ini"), IndexFileText({kJane, kAnn}));
    EXPECT_EQ(ReadFileBytes(DataDirectory() + "Me.ini"), ProfileFileText(kJane));
}

TEST(MainWindowTasks, DoubleClickEditsTheRowClicked)
{
    MainWindowSession session(DataFilesFor({kJane, kJohn}));
    ASSERT_TRUE(session.Window());
    session.List().DoubleClickRow(1);
    HWND editor = WaitForDialog(session.ProcessId(), "Profile");
    ASSERT_TRUE(editor) << "no profile editor";
    EXPECT_EQ(ControlText(editor, IDC_DESCRIPTION), "Work");
    EXPECT_TRUE(Contains(session.TipPage(),
                         "Use Personal Data for calculation if you want to try manual calibration."));
    CloseDialog(editor);
    ASSERT_TRUE(WaitUntilGone(editor));
    EXPECT_EQ(session.List().SelectedRows(), std::vector<int>{1});
}

TEST(MainWindowTasks, AnalyzeDayAndDreamsRefuseADateBeforeTheBirthDate)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        bool refused;
    };
    const Case cases[] = {
        {"1989", "12", "31", true},
        {"1990", "5", "3", true},
        {"1990", "5", "4", false},   // the birthday itself is fine
        {"2000", "1", "1", false},
    };
    for (int button : {IDOK, IDC_DREAMS}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(button == IDOK ? "Analyze Day " : "Dreams ") + c.year + "-" +
                         c.month + "-" + c.day);
            ASSERT_TRUE(session.Year().ChooseText(c.year));
            ASSERT_TRUE(session.Month().ChooseText(c.month));
            ASSERT_TRUE(session.Day().ChooseText(c.day));
            PressButton(session.Window(), button);
            MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), c.refused ? kWaitMs : 1000);
            EXPECT_EQ(static_cast<bool>(box), c.refused);
            if (box) {
                EXPECT_EQ(box.text, kBeforeBirth);
                EXPECT_FALSE(box.hasYesNo);
                AnswerMessageBox(box, IDOK);
            }
            if (button == IDC_DREAMS && !c.refused) {
                HWND page = WaitForDialog(session.ProcessId(), " Dream Interpretation");
                ASSERT_TRUE(page) << "no dream page";
                EXPECT_TRUE(FileExists(DataDirectory() + "dream_e.htm"));
                EXPECT_TRUE(FileExists(DataDirectory() + "dream_r.htm"));
                CloseDialog(page);
                ASSERT_TRUE(WaitUntilGone(page));
            }
        }
    }
}

TEST(MainWindowTasks, CompanionRefusesOnePersonTwice)
{
    struct Case {
        TestProfile second;
        bool refused;
    };
    const Case cases[] = {
        {{"JANE doe", "Jane again", 5, 4, 1990}, true},
        {{"Jane Doe", "Twin", 5, 5, 1990}, false},
        {{"Jane Dow", "Other", 5, 4, 1990}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second.description);
        MainWindowSession session(DataFilesFor({kJane, c.second}));
        ASSERT_TRUE(session.Window());
        session.List().ClickRow(0);
        session.List().ClickRow(1, true);
        session.Settle();
        ASSERT_TRUE(session.Enabled(IDC_COMPANION));
        PressButton(session.Window(), IDC_COMPANION);
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), c.refused ? kWaitMs : 1000);
        EXPECT_EQ(static_cast<bool>(box), c.refused);
        if (box) {
            EXPECT_EQ(box.text, "jane doe and jane doe - same name/birthdays.   \n"
                                "Companion analysis is designed for two different people only.     ");
            EXPECT_FALSE(box.hasYesNo);
            AnswerMessageBox(box, IDOK);
        }
    }
}

TEST(MainWindowTasks, OpenReportAsksForASavedReportAndComesBack)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    WriteFileBytes(DataDirectory() + "Reports\\saved.jpg", "not really a picture");
    for (bool choose : {false, true}) {
        SCOPED_TRACE(choose ? "a file chosen" : "cancelled");
        PressButton(session.Window(), IDC_OPEN_REPORT);
        FileDialogDriver dialog(session.ProcessId(), "Select Daily Report");
        ASSERT_TRUE(dialog) << "no file dialog";
        EXPECT_TRUE(Contains(session.TipPage(),
                             "Select and view any Daily Analysis Report you previously saved."));
        if (choose) {
            ASSERT_TRUE(dialog.TypeFileName("saved.jpg"));
            EXPECT_TRUE(dialog.Accept());
        } else {
            EXPECT_TRUE(dialog.Cancel());
        }
        session.Settle();
        EXPECT_TRUE(Contains(session.TipPage(), kRestingTip));
    }
    ASSERT_TRUE(session.Close());
}

TEST(MainWindowTasks, AboutBoxFromTheSystemMenu)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    PostMessageA(session.Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitForDialog(session.ProcessId(), "About Oracline 2005");
    ASSERT_TRUE(about);
    EXPECT_TRUE(Contains(ControlText(about, IDC_ABOUT_TEXT), "Oracline 2005"));
    CloseDialog(about);
    EXPECT_TRUE(WaitUntilGone(about));
}

TEST(MainWindowTasks, QuickTipSitsUnderTheWindowAndRefusesToClose)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
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
    ASSERT_TRUE(box);
    EXPECT_EQ(box.text, "Quick Tip dialog must remain open.       ");
    AnswerMessageBox(box, IDOK);
    EXPECT_TRUE(IsWindow(tip) && IsWindowVisible(tip));
}

TEST(MainWindowTasks, ClosingRemovesEveryPageFileAndNothingElse)
{
    std::map<std::string, std::string> files = DataFilesFor({kJane});
    files["old.HTM"] = "x";
    files["Notes.Htm"] = "x";
    files["keep.html"] = "x";
    files["keep.htm.txt"] = "x";
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    ASSERT_TRUE(FileExists(DataDirectory() + "tip_e.htm"));
    ASSERT_TRUE(session.Close());
    for (const char* gone : {"old.HTM", "Notes.Htm", "tip_e.htm"})
        EXPECT_FALSE(FileExists(DataDirectory() + gone)) << gone;
    for (const char* kept : {"keep.html", "keep.htm.txt", "oc.ini", "Me.ini"})
        EXPECT_TRUE(FileExists(DataDirectory() + kept)) << kept;
    // Nothing changed, so the index is left exactly as it was.
    EXPECT_EQ(ReadFileBytes(DataDirectory() + "oc.ini"), IndexFileText({kJane}));
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
