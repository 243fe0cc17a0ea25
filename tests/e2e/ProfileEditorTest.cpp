// The profile editor driven through the real program: the main window opens
// it, the test types and picks as a user would, and checks the files left in
// the data directory and the boxes shown on the way.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const char* const kReplaceQuestion =
    "A profile with the same description already exists.    \nDo you want to continue and replace it?     ";

// A real left click in the middle of a window, on the X display.
void RealClick(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    RealInput("mousemove " + std::to_string((frame.left + frame.right) / 2) + " " +
              std::to_string((frame.top + frame.bottom) / 2) + " click 1");
}

TEST(ProfileEditor, KeysSignPanelAndCloseWithoutSavingThenAFirstMessageAndANonAsciiProfile)
{
    // An index without rows keeps the first-start introduction away.
    MainWindowSession session(DataFilesFor({}));
    ASSERT_TRUE(session.Window());
    {
        EditorDriver editor(session, IDC_ADD_PROFILE);
        ASSERT_TRUE(editor.Window());
        HWND panel = WaitForDialog(session.ProcessId(), " ");
        ASSERT_TRUE(panel);
        RECT editorFrame{}, panelFrame{};
        GetWindowRect(editor.Window(), &editorFrame);
        GetWindowRect(panel, &panelFrame);
        EXPECT_EQ(std::vector<LONG>({panelFrame.left, panelFrame.top, panelFrame.right - panelFrame.left,
                                     panelFrame.bottom}),
                  std::vector<LONG>({editorFrame.right, editorFrame.top, 60, editorFrame.bottom}));

        // Real keys, as a keyboard user presses them: a change made from the
        // keyboard in a list leaves the focus in the list (so the list stays
        // open and Enter only closes it), even when the sign panel follows
        // February's change of sign on the way.
        RealClick(Control(editor.Window(), IDC_YOUR_MONTH));
        RealInput("key --delay 150 Down Down Return");
        session.Settle();
        EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 300));
        EXPECT_TRUE(IsWindowVisible(editor.Window()));
        EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "3/1/1900");
        EXPECT_EQ(session.FocusedControlId(), IDC_YOUR_MONTH);
        // Up to the description, where Enter is refused; after the refusal
        // the keys reach the field again.
        RealInput("key --delay 150 shift+Tab shift+Tab Return");
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
        EXPECT_EQ(box.text, "Please enter Profile Description first.    ");
        // Closed with a real click on OK: whether the box itself takes keys is
        // up to the window manager, which these screens do not have.
        RealClick(Control(box.window, IDOK));
        ASSERT_TRUE(WaitUntilGone(box.window));
        RealInput("type --delay 100 Work");
        EXPECT_TRUE(WaitUntil(3000, [&] { return editor.Text(IDC_DESCRIPTION) == "Work"; }))
            << editor.Text(IDC_DESCRIPTION);

        // The sign page follows the birthday, written again only when the
        // sign changes (while shown it is held, so it cannot be deleted).
        const std::string page = DataDirectory() + "sign_r.htm";
        const auto written = [&] {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            GetFileAttributesExA(page.c_str(), GetFileExInfoStandard, &data);
            return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                   data.ftLastWriteTime.dwLowDateTime;
        };
        const ULONGLONG before = written();
        Sleep(50);
        editor.Choose(IDC_YOUR_DATE, "20");
        EXPECT_EQ(written(), before);
        editor.Choose(IDC_YOUR_DATE, "21");
        EXPECT_NE(DataFile("sign_r.htm").find("aries.gif"), std::string::npos);
        // Closed by the user with Escape, the panel stays away for this editor.
        PressKey(panel, VK_ESCAPE);
        ASSERT_TRUE(WaitUntilGone(panel));
        session.Settle();
        DeleteFileA(page.c_str());
        editor.Choose(IDC_YOUR_DATE, "19");
        EXPECT_FALSE(FileExists(page));
        EXPECT_FALSE(WaitForDialog(session.ProcessId(), " ", 500));
        // The information pages are built from the birthday the lists show.
        PressButton(editor.Window(), IDC_SIGN_PAGE);
        HWND signPage = WaitForDialog(session.ProcessId(), " Astrology: Zodiac Sign");
        ASSERT_TRUE(signPage);
        EXPECT_NE(DataFile("reading.htm").find("Pisces"), std::string::npos);
        ASSERT_TRUE(CloseAndWait(signPage));

        // Close writes nothing.
        editor.SetText(IDC_FULL_NAME, "Sam Example");
        editor.Close();
        ASSERT_TRUE(editor.WaitGone());
        EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
        EXPECT_EQ(session.List().RowCount(), 0);
    }

    EditorDriver editor(session, IDC_ADD_PROFILE);
    ASSERT_TRUE(editor.Window());
    EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "1/1/1900");
    EXPECT_FALSE(editor.Enabled(IDC_MOTHER_MONTH));
    // A refused Save keeps the editor open and writes nothing; which check
    // refuses is the unit tests' business. Here, the index's own name.
    editor.SetText(IDC_DESCRIPTION, "OC");
    MessageBoxSeen box = editor.Save();
    EXPECT_EQ(box.text, "This Profile Description cannot be used.    \nPlease correct it and then try again.    ");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(editor.Window()));
    EXPECT_EQ(DataFile("oc.ini"), "");

    // Letters beyond ASCII travel in the ANSI code page into the file name,
    // both files and the list.
    const std::string description = "Caf\xE9", name = "Zo\xEB M\xFCller";
    editor.SetText(IDC_DESCRIPTION, description);
    editor.SetText(IDC_FULL_NAME, name);
    editor.ClickCheckBox(IDC_USE_MOTHER);
    ASSERT_TRUE(editor.ChooseDate(IDC_YOUR_MONTH, 1, 1, 1950));
    ASSERT_TRUE(editor.ChooseDate(IDC_MOTHER_MONTH, 5, 2, 1940));
    box = editor.Save(1000);
    EXPECT_FALSE(box) << box.text;
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile(description + ".ini"),
              "Profile:" + description + "\r\nName:" + name + "\r\nYourMonth:1\r\nYourDate:1\r\n"
              "YourYear:1950\r\nMotherMonth:5\r\nMotherDate:2\r\nMotherYear:1940\r\n");
    EXPECT_EQ(session.List().CellText(0, 0) + "|" + session.List().CellText(0, 1), name + "|" + description);
    // Ended without closing, as by a crash: the index was written at once.
    session.Run().Kill();
    EXPECT_EQ(DataFile("oc.ini"), "Profile:" + name + "\r\nDescription:" + description + "\r\nAdjustment:Automatic\r\n");
}

TEST(ProfileEditor, EditingKeepsTheIdentityAnUnwritableFileKeepsTheEditorOpenAndReplacingKeepsOneRow)
{
    auto files = DataFilesFor({{"Ann Example", "Home", 1, 31, 1980, true}, {"Sam Example", "Work", 3, 7, 1970}});
    files["Home.ini"] = "Profile:Home\r\nName:Ann Example\r\nYourMonth:1\r\nYourDate:31\r\n"
                        "YourYear:1980\r\nFatherMonth:6\r\nFatherDate:15\r\nFatherYear:1950\r\n";
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    {
        EditorDriver editor(session, IDC_EDIT_PROFILE);
        ASSERT_TRUE(editor.Window());
        EXPECT_EQ(editor.Text(IDC_FULL_NAME), "Ann Example");
        EXPECT_FALSE(editor.Enabled(IDC_DESCRIPTION) || editor.Enabled(IDC_FULL_NAME));
        EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH) + " " + editor.ShownDate(IDC_FATHER_MONTH), "1/31/1980 6/15/1950");
        EXPECT_EQ(SendMessageA(Control(editor.Window(), IDC_USE_FATHER), BM_GETCHECK, 0, 0), BST_CHECKED);

        // Day 31 against April shows 30; off and on again starts the father's
        // date afresh, with the stored day.
        ASSERT_TRUE(editor.Choose(IDC_YOUR_MONTH, "4"));
        editor.ClickCheckBox(IDC_USE_FATHER);
        EXPECT_FALSE(editor.Enabled(IDC_FATHER_MONTH));
        editor.ClickCheckBox(IDC_USE_FATHER);
        EXPECT_EQ(editor.ShownDate(IDC_FATHER_MONTH), "1/15/1900");

        MessageBoxSeen box = editor.Save();
        EXPECT_EQ(box.text, kReplaceQuestion);
        ASSERT_TRUE(AnswerMessageBox(box, IDYES));
        ASSERT_TRUE(editor.WaitGone());
        EXPECT_EQ(DataFile("Home.ini"),
                  "Profile:Home\r\nName:Ann Example\r\nYourMonth:4\r\nYourDate:30\r\nYourYear:1980\r\n"
                  "FatherMonth:1\r\nFatherDate:15\r\nFatherYear:1900\r\n");
    }

    const std::string path = DataDirectory() + "Work.ini";
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    session.List().ClickRow(1);
    session.Settle();
    {
        EditorDriver editor(session, IDC_EDIT_PROFILE);
        ASSERT_TRUE(editor.Window());
        editor.Choose(IDC_YOUR_DATE, "9");
        ASSERT_TRUE(AnswerMessageBox(editor.Save(), IDYES));
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), 3000);
        EXPECT_EQ(box.text, "Unable to save profile.    ");
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(IsWindowVisible(editor.Window()));
        editor.Close();
        ASSERT_TRUE(editor.WaitGone());
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(DataFile("Work.ini"), files.at("Work.ini"));

    // Adding under a description already listed asks first; Yes replaces
    // the file and updates its row instead of adding a second one.
    EditorDriver editor(session, IDC_ADD_PROFILE);
    ASSERT_TRUE(editor.Window());
    editor.SetText(IDC_DESCRIPTION, "work");
    editor.SetText(IDC_FULL_NAME, "Kim Other");
    MessageBoxSeen box = editor.Save();
    EXPECT_EQ(box.text, kReplaceQuestion);
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_EQ(DataFile("Work.ini"), files.at("Work.ini"));
    ASSERT_TRUE(AnswerMessageBox(editor.Save(), IDYES));
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile("Work.ini"), "Profile:work\r\nName:Kim Other\r\nYourMonth:1\r\nYourDate:1\r\nYourYear:1900\r\n");
    EXPECT_EQ(session.List().RowCount(), 2);
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"), "Profile:Ann Example\r\nDescription:Home\r\nAdjustment:Automatic\r\n"
                                  "Profile:Kim Other\r\nDescription:work\r\nAdjustment:Automatic\r\n");
}

} // namespace
} // namespace e2e
