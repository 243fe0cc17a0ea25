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

TEST(ProfileEditor, SignPanelCloseWithoutSavingThenRefusalsBeforeAdding)
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
        EXPECT_EQ(panelFrame.left, editorFrame.right);
        EXPECT_EQ(panelFrame.top, editorFrame.top);
        EXPECT_EQ(panelFrame.right - panelFrame.left, 60);
        EXPECT_EQ(panelFrame.bottom - panelFrame.top, editorFrame.bottom - editorFrame.top);

        // The sign page follows the birthday, written again only when the sign changes.
        const std::string page = DataDirectory() + "sign_r.htm";
        EXPECT_NE(DataFile("sign_r.htm").find("capricorn.gif"), std::string::npos);
        const std::pair<const char*, const char*> days[] = {
            {"20", nullptr}, {"21", "aquarius.gif"}, {"19", "capricorn.gif"}};
        for (const auto& day : days) {
            DeleteFileA(page.c_str());
            editor.Choose(IDC_YOUR_DATE, day.first);
            if (day.second) {
                EXPECT_NE(DataFile("sign_r.htm").find(day.second), std::string::npos) << day.first;
            } else {
                EXPECT_FALSE(FileExists(page)) << day.first;
            }
        }
        // Closed by the user, the panel stays away for this editor.
        CloseDialog(panel);
        ASSERT_TRUE(WaitUntilGone(panel));
        DeleteFileA(page.c_str());
        editor.Choose(IDC_YOUR_DATE, "25");
        EXPECT_FALSE(FileExists(page));
        EXPECT_FALSE(WaitForDialog(session.ProcessId(), " ", 500));
        // The information pages are built from the birthday the lists show.
        PressButton(editor.Window(), IDC_SIGN_PAGE);
        HWND signPage = WaitForDialog(session.ProcessId(), " Astrology: Zodiac Sign");
        ASSERT_TRUE(signPage);
        EXPECT_NE(DataFile("reading.htm").find("Aquarius"), std::string::npos);
        CloseDialog(signPage);
        ASSERT_TRUE(WaitUntilGone(signPage));

        // Close writes nothing.
        editor.SetText(IDC_DESCRIPTION, "Work");
        editor.SetText(IDC_FULL_NAME, "Sam Example");
        editor.ClickCheckBox(IDC_USE_PERSONAL);
        editor.Close();
        ASSERT_TRUE(editor.WaitGone());
        EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
        EXPECT_EQ(session.List().RowCount(), 0);
    }

    EditorDriver editor(session, IDC_ADD_PROFILE);
    ASSERT_TRUE(editor.Window());
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "1/1/1900");
    EXPECT_EQ(editor.List(IDC_YOUR_YEAR).Count(), now.wYear - 1900 + 1);
    EXPECT_EQ(editor.List(IDC_YOUR_YEAR).ItemText(0), std::to_string(now.wYear));
    for (int list : {IDC_MOTHER_MONTH, IDC_FATHER_DATE, IDC_GOOD_YEAR, IDC_BAD_MONTH}) {
        EXPECT_FALSE(editor.Enabled(list)) << list;
        EXPECT_EQ(editor.List(list).Count(), 0) << list;
    }

    // The order of the checks is the model's; here only that each refusal is
    // the error box and keeps the editor open without writing.
    const std::string badDescription = "This Profile Description cannot be used.    \nPlease correct it and then try again.    ";
    const std::pair<const char*, std::string> steps[] = {
        {"", "Please enter Profile Description first.    "},
        {"OC", badDescription},  // the index's own name
        {"CON~1", badDescription},
    };
    for (const auto& [description, message] : steps) {
        SCOPED_TRACE(description);
        editor.SetText(IDC_DESCRIPTION, description);
        MessageBoxSeen box = editor.Save();
        EXPECT_EQ(box.text, message);
        EXPECT_FALSE(box.hasYesNo);
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(IsWindowVisible(editor.Window()));
    }
    EXPECT_EQ(DataFile("oc.ini"), "");

    editor.SetText(IDC_DESCRIPTION, "Work");
    editor.SetText(IDC_FULL_NAME, "Sam Example");
    editor.Choose(IDC_YOUR_YEAR, "1950");
    editor.ClickCheckBox(IDC_USE_MOTHER);
    EXPECT_TRUE(editor.Enabled(IDC_MOTHER_YEAR));
    EXPECT_EQ(editor.ShownDate(IDC_MOTHER_MONTH), "1/1/1900");
    ASSERT_TRUE(editor.ChooseDate(IDC_MOTHER_MONTH, 5, 2, 1940));
    MessageBoxSeen box = editor.Save(1000);
    EXPECT_FALSE(box) << box.text;
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile("Work.ini"), "Profile:Work\r\nName:Sam Example\r\nYourMonth:1\r\nYourDate:1\r\n"
                                    "YourYear:1950\r\nMotherMonth:5\r\nMotherDate:2\r\nMotherYear:1940\r\n");
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"), "Profile:Sam Example\r\nDescription:Work\r\nAdjustment:Automatic\r\n");
}

TEST(ProfileEditor, EditingKeepsTheIdentityAndRewritesTheFile)
{
    const std::string index = "Profile:Ann Example\r\nDescription:Home\r\nAdjustment:Manual\r\n";
    MainWindowSession session({{"oc.ini", index},
                               {"Home.ini",
                                "Profile:Home\r\nName:Ann Example\r\nYourMonth:1\r\nYourDate:31\r\n"
                                "YourYear:1980\r\nFatherMonth:6\r\nFatherDate:15\r\nFatherYear:1950\r\n"
                                "BadMonth:2\r\nBadDate:29\r\nBadYear:2004\r\nGoodMonth:7\r\nGoodDate:4\r\n"
                                "GoodYear:1999\r\n"}});
    ASSERT_TRUE(session.Window());
    EditorDriver editor(session, IDC_EDIT_PROFILE);
    ASSERT_TRUE(editor.Window());

    EXPECT_EQ(editor.Text(IDC_DESCRIPTION), "Home");
    EXPECT_EQ(editor.Text(IDC_FULL_NAME), "Ann Example");
    EXPECT_FALSE(editor.Enabled(IDC_DESCRIPTION));
    EXPECT_FALSE(editor.Enabled(IDC_FULL_NAME));
    EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "1/31/1980");
    EXPECT_FALSE(editor.Checked(IDC_USE_MOTHER));
    EXPECT_EQ(editor.ShownDate(IDC_MOTHER_MONTH), "");
    EXPECT_TRUE(editor.Checked(IDC_USE_FATHER));
    EXPECT_EQ(editor.ShownDate(IDC_FATHER_MONTH), "6/15/1950");
    EXPECT_TRUE(editor.Checked(IDC_USE_PERSONAL));
    EXPECT_EQ(editor.ShownDate(IDC_BAD_MONTH), "2/29/2004");
    EXPECT_EQ(editor.ShownDate(IDC_GOOD_MONTH), "7/4/1999");

    // Day 31 against April shows 30; the stored day follows at Save.
    ASSERT_TRUE(editor.Choose(IDC_YOUR_MONTH, "4"));
    EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "4/30/1980");
    // Off and on again starts the date afresh, with the stored day.
    editor.ClickCheckBox(IDC_USE_FATHER);
    EXPECT_EQ(editor.ShownDate(IDC_FATHER_MONTH), "");
    EXPECT_FALSE(editor.Enabled(IDC_FATHER_MONTH));
    editor.ClickCheckBox(IDC_USE_FATHER);
    EXPECT_EQ(editor.ShownDate(IDC_FATHER_MONTH), "1/15/1900");
    // February of the bad day goes to a year without the 29th.
    ASSERT_TRUE(editor.Choose(IDC_BAD_YEAR, "2003"));
    EXPECT_EQ(editor.ShownDate(IDC_BAD_MONTH), "2/28/2003");

    MessageBoxSeen box = editor.Save();
    EXPECT_EQ(box.text, kReplaceQuestion);
    EXPECT_TRUE(box.hasYesNo);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile("Home.ini"),
              "Profile:Home\r\nName:Ann Example\r\nYourMonth:4\r\nYourDate:30\r\nYourYear:1980\r\n"
              "FatherMonth:1\r\nFatherDate:15\r\nFatherYear:1900\r\n"
              "BadMonth:2\r\nBadDate:28\r\nBadYear:2003\r\nGoodMonth:7\r\nGoodDate:4\r\nGoodYear:1999\r\n");
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"), index);
}

TEST(ProfileEditor, UnwritableFileKeepsTheEditorOpenAndReplacingAsksFirst)
{
    const auto files = DataFilesFor({{"Sam Example", "Work", 3, 7, 1970}});
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    const std::string path = DataDirectory() + "Work.ini";
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        EditorDriver editor(session, IDC_EDIT_PROFILE);
        ASSERT_TRUE(editor.Window());
        editor.Choose(IDC_YOUR_DATE, "9");
        ASSERT_TRUE(AnswerMessageBox(editor.Save(), IDYES));
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), 3000);
        EXPECT_EQ(box.text, "Unable to save profile.    ");
        EXPECT_FALSE(box.hasYesNo);
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(IsWindowVisible(editor.Window()));
        EXPECT_EQ(editor.ShownDate(IDC_YOUR_MONTH), "3/9/1970");
        editor.Close();
        ASSERT_TRUE(editor.WaitGone());
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(DataFile("Work.ini"), files.at("Work.ini"));

    EditorDriver editor(session, IDC_ADD_PROFILE);
    ASSERT_TRUE(editor.Window());
    editor.SetText(IDC_DESCRIPTION, "Work");
    editor.SetText(IDC_FULL_NAME, "Kim Other");
    MessageBoxSeen box = editor.Save();
    EXPECT_EQ(box.text, kReplaceQuestion);
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(IsWindowVisible(editor.Window()));
    EXPECT_EQ(DataFile("Work.ini"), files.at("Work.ini"));
    ASSERT_TRUE(AnswerMessageBox(editor.Save(), IDYES));
    ASSERT_TRUE(editor.WaitGone());
    EXPECT_EQ(DataFile("Work.ini"), "Profile:Work\r\nName:Kim Other\r\nYourMonth:1\r\nYourDate:1\r\nYourYear:1900\r\n");
    // Adding always appends a row, even for a description already listed.
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(DataFile("oc.ini"),
              files.at("oc.ini") + "Profile:Kim Other\r\nDescription:Work\r\nAdjustment:Automatic\r\n");
}

} // namespace
} // namespace e2e
