// The first start and the profile editor driven through the real program:
// the main window opens the editor, the test types and picks as a user
// would, and checks the files left in the data directory and the boxes shown
// on the way.
#include "driver/Driver.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

namespace e2e {
namespace {

const char* const kReplaceQuestion = "A profile with the same description already exists.    \nDo you want to continue and replace it?     ";

// The editor ("Profile") a main-window button opens; null when none came.
HWND OpenEditor(const MainWindowSession& session, int buttonId) { return session.Press(buttonId), WaitForDialog(session.ProcessId(), "Profile"); }

bool Choose(HWND editor, int listId, const std::string& text) { return ComboDriver(editor, listId).ChooseText(text); }

// A date's three lists by the id of its month list (day and year follow):
// "month/day/year" as they show it, "-" for a list without a selection.
std::string ShownDate(HWND editor, int monthListId)
{
    std::string shown;
    for (int offset : {0, 1, 2}) {
        const ComboDriver list(editor, monthListId + offset);
        shown += (offset > 0 ? "/" : "") + (list.Selection() < 0 ? "-" : list.SelectedText());
    }
    return shown;
}

// Presses Save and answers the box it brings: its text, or empty when it
// brought none in time.
std::string Save(const MainWindowSession& session, HWND editor, int answer, DWORD timeoutMs = 3000)
{
    PressButton(editor, IDOK);
    return AnswerMessage(session.ProcessId(), answer, timeoutMs);
}

void ClickCheckBox(HWND editor, int controlId) { SendMessageA(Control(editor, controlId), BM_CLICK, 0, 0); }

// The first start, on an empty data folder, for the suite; CMake runs it in
// one process, in this order.
class FirstStart : public SharedSession<FirstStart, MainWindowSession> {
protected:
    static void SetUpTestSuite() { session_ = new MainWindowSession({}, "", false); }
    void SetUp() override { ASSERT_TRUE(session_->Run().Started()); }

    // The editor a new profile opens, and its sign panel.
    static inline HWND editor_ = nullptr, panel_ = nullptr;
};

// Shown pages are held: another process may read them, not replace them.
// Wine has no HTML engine: the page is the program's own view (its colours
// are its unit tests'), drawn with yellow headings, scrolling with the keys.
TEST_F(FirstStart, TheIntroductionComesFirstInTheProgramsOwnPageView)
{
    HWND intro = nullptr, view = nullptr;
    ASSERT_TRUE(intro = WaitForDialog(session_->ProcessId(), kIntroductionCaption)) << "no introduction page";
    for (const char* page : {"effects.htm", "reading.htm"})
        EXPECT_TRUE(IsHeldReadOnly(PagesDirectory() + page)) << page;
    // The main window waits until the introduction is closed.
    EXPECT_FALSE(WaitForDialog(session_->ProcessId(), kMainWindowCaption, 500));
    ASSERT_TRUE(view = GetWindow(Control(intro, 1003), GW_CHILD));
    Picture shot;
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return (shot = CaptureClient(view)).Count(RGB(255, 255, 0)) > 100; }));
    PostMessageA(view, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_TRUE(WaitUntil(2000, [&] { return CaptureClient(view).pixels != shot.pixels; }));
    // Escape in the page reaches the dialog.
    PostMessageA(view, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilGone(intro, 5000));
}

TEST_F(FirstStart, TheEmptyMainWindowFollowsWithAddFocused)
{
    ASSERT_TRUE(session_->WaitForMainWindow());
    EXPECT_TRUE(DirectoryExists(ReportsDirectory()));
    EXPECT_EQ(session_->List().RowCount(), 0);
    EXPECT_EQ(session_->FocusedControlId(), IDC_ADD_PROFILE);
}

TEST_F(FirstStart, ANewProfileStartsInItsDescriptionWithTheSignPanelAtItsSide)
{
    ASSERT_TRUE(editor_ = OpenEditor(*session_, IDC_ADD_PROFILE));
    EXPECT_TRUE(WaitUntil(2000, [&] { return session_->FocusedControlId() == IDC_DESCRIPTION; }));
    ASSERT_TRUE(panel_ = WaitForDialog(session_->ProcessId(), " "));
    const RECT editorFrame = FrameOf(editor_), panelFrame = FrameOf(panel_);
    EXPECT_EQ(std::vector<LONG>({panelFrame.left, panelFrame.top, panelFrame.right - panelFrame.left, panelFrame.bottom}),
              std::vector<LONG>({editorFrame.right, editorFrame.top, 60, editorFrame.bottom}));
}

// Real keys, as a keyboard user presses them: a change made from the
// keyboard in a list leaves the focus in the list (so the list stays open and
// Enter only closes it), even when the sign panel follows February's change
// of sign on the way. Each key waits for what the last one did, as a user
// watching the list would: a busy machine must not merge or lose the presses.
TEST_F(FirstStart, KeysInTheEditorsListsKeepTheFocusAndARefusalGivesItBack)
{
    ASSERT_TRUE(editor_ && panel_);
    HWND months = Control(editor_, IDC_YOUR_MONTH);
    RealClick(months);
    ASSERT_TRUE(WaitUntil(3000, [&] { return SendMessageA(months, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    for (const char* shown : {"2/1/1900", "3/1/1900"}) {
        RealInput("key Down");
        EXPECT_TRUE(WaitUntil(3000, [&] { return ShownDate(editor_, IDC_YOUR_MONTH) == shown; })) << shown;
    }
    RealInput("key Return");
    session_->Settle();
    EXPECT_FALSE(WaitForMessageBox(session_->ProcessId(), 300));
    EXPECT_TRUE(IsWindowVisible(editor_));
    EXPECT_EQ(ShownDate(editor_, IDC_YOUR_MONTH), "3/1/1900");
    EXPECT_EQ(session_->FocusedControlId(), IDC_YOUR_MONTH);
    // Up to the description, where Enter saves and is refused (which check
    // refuses what is the unit tests' business); after the refusal the keys
    // reach the field again.
    RealInput("key --delay 150 shift+Tab shift+Tab Return");
    MessageBoxSeen box = WaitForMessageBox(session_->ProcessId());
    EXPECT_EQ(box.text, "Please enter Profile Description first.    ");
    // Closed with a real click on OK: whether the box itself takes keys is
    // up to the window manager, which these screens do not have.
    RealClick(Control(box.window, IDOK));
    ASSERT_TRUE(WaitUntilGone(box.window));
    RealInput("type --delay 100 Work");
    EXPECT_TRUE(WaitUntil(3000, [&] { return ControlText(editor_, IDC_DESCRIPTION) == "Work"; })) << ControlText(editor_, IDC_DESCRIPTION);
}

// The sign page follows the birthday, written again only when the sign
// changes (while shown it is held, so it cannot be deleted). Closed by the
// user with Escape, the panel stays away for this editor; the information
// pages are built from the birthday the lists show.
TEST_F(FirstStart, TheSignPanelFollowsTheSignUntilEscapeAndTheSignPageTheBirthday)
{
    ASSERT_TRUE(editor_ && panel_);
    const std::string page = PagesDirectory() + "sign_r.htm";
    const auto written = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA(page.c_str(), GetFileExInfoStandard, &data);
        return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    };
    const ULONGLONG before = written();
    Sleep(50);
    Choose(editor_, IDC_YOUR_DATE, "20");
    EXPECT_EQ(written(), before);
    Choose(editor_, IDC_YOUR_DATE, "21");
    EXPECT_NE(PageFile("sign_r.htm").find("aries.gif"), std::string::npos);
    PressKey(panel_, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilGone(panel_));
    session_->Settle();
    DeleteFileA(page.c_str());
    Choose(editor_, IDC_YOUR_DATE, "19");
    EXPECT_FALSE(FileExists(page));
    EXPECT_FALSE(WaitForDialog(session_->ProcessId(), " ", 500));
    PressButton(editor_, IDC_SIGN_PAGE);
    HWND signPage = WaitForDialog(session_->ProcessId(), " Astrology: Zodiac Sign");
    ASSERT_TRUE(signPage);
    EXPECT_NE(PageFile("reading.htm").find("Pisces"), std::string::npos);
    ASSERT_TRUE(CloseAndWait(signPage));
}

TEST_F(FirstStart, ClosingTheEditorWritesNothing)
{
    ASSERT_TRUE(editor_);
    SetControlText(editor_, IDC_FULL_NAME, "Sam Example");
    ASSERT_TRUE(CloseAndWait(editor_));
    EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
    EXPECT_EQ(session_->List().RowCount(), 0);
}

// Letters beyond ASCII travel in UTF-8 into the file name, both files and the
// list; ended without closing, as by a crash, the index was written at once.
TEST_F(FirstStart, ANonAsciiProfileIsSavedAtOnceUnderItsOwnName)
{
    HWND editor = OpenEditor(*session_, IDC_ADD_PROFILE);
    ASSERT_TRUE(editor);
    EXPECT_FALSE(ControlEnabled(editor, IDC_MOTHER_MONTH));
    const std::string description = "Caf\u00E9", name = "Zo\u00EB M\u00FCller";
    SetControlTexts(editor, {{IDC_DESCRIPTION, description}, {IDC_FULL_NAME, name}});
    ClickCheckBox(editor, IDC_USE_MOTHER);
    const std::pair<int, const char*> picks[] = {{IDC_YOUR_YEAR, "1950"}, {IDC_MOTHER_MONTH, "5"}, {IDC_MOTHER_YEAR, "1940"}, {IDC_MOTHER_DATE, "2"}};
    for (const auto& pick : picks)
        ASSERT_TRUE(Choose(editor, pick.first, pick.second)) << pick.second;
    EXPECT_EQ(Save(*session_, editor, IDOK, 1000), "");
    ASSERT_TRUE(WaitUntilGone(editor));
    EXPECT_EQ(DataFile(description + ".ini"),
              "Profile:" + description + "\r\nName:" + name + "\r\nYourMonth:1\r\nYourDate:1\r\n"
              "YourYear:1950\r\nMotherMonth:5\r\nMotherDate:2\r\nMotherYear:1940\r\n");
    EXPECT_EQ(session_->List().CellText(0, 0) + "|" + session_->List().CellText(0, 1), name + "|" + description);
    session_->Run().Kill();
    EXPECT_EQ(DataFile("oc.ini"), "Profile:" + name + "\r\nDescription:" + description + "\r\nAdjustment:Automatic\r\n");
    // The program folder holds what the setup put there, and nothing more.
    for (const std::string& name : EntriesOf(ProgramDirectory()))
        EXPECT_EQ(name.substr(name.size() - 4), ".gif") << name;
}

TEST(ProfileEditor, EditingKeepsTheIdentityWhileAnUnwritableFileKeepsTheEditorOpenAndReplacingKeepsOneRow)
{
    auto files = DataFilesFor({{"Ann Example", "Home", 1, 31, 1980, true}, {"Sam Example", "Work", 3, 7, 1970}});
    files["Home.ini"] = "Profile:Home\r\nName:Ann Example\r\nYourMonth:1\r\nYourDate:31\r\n"
                        "YourYear:1980\r\nFatherMonth:6\r\nFatherDate:15\r\nFatherYear:1950\r\n";
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());
    HWND editor = OpenEditor(session, IDC_EDIT_PROFILE);
    ASSERT_TRUE(editor);
    EXPECT_EQ(ControlText(editor, IDC_FULL_NAME), "Ann Example");
    EXPECT_FALSE(ControlEnabled(editor, IDC_DESCRIPTION) || ControlEnabled(editor, IDC_FULL_NAME));
    EXPECT_EQ(ShownDate(editor, IDC_YOUR_MONTH) + " " + ShownDate(editor, IDC_FATHER_MONTH), "1/31/1980 6/15/1950");

    // Day 31 against April shows 30; off and on again starts the father's
    // date afresh, with the stored day.
    ASSERT_TRUE(Choose(editor, IDC_YOUR_MONTH, "4"));
    ClickCheckBox(editor, IDC_USE_FATHER);
    EXPECT_FALSE(ControlEnabled(editor, IDC_FATHER_MONTH));
    ClickCheckBox(editor, IDC_USE_FATHER);
    EXPECT_EQ(ShownDate(editor, IDC_FATHER_MONTH), "1/15/1900");

    EXPECT_EQ(Save(session, editor, IDYES), kReplaceQuestion);
    ASSERT_TRUE(WaitUntilGone(editor));
    EXPECT_EQ(DataFile("Home.ini"), "Profile:Home\r\nName:Ann Example\r\nYourMonth:4\r\nYourDate:30\r\nYourYear:1980\r\n"
                                    "FatherMonth:1\r\nFatherDate:15\r\nFatherYear:1900\r\n");

    const std::string path = DataDirectory() + "Work.ini";
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    session.List().ClickRow(1);
    session.Settle();
    ASSERT_TRUE(editor = OpenEditor(session, IDC_EDIT_PROFILE));
    // One whose identity is fixed starts in its birthday.
    EXPECT_TRUE(WaitUntil(2000, [&] { return session.FocusedControlId() == IDC_YOUR_MONTH; }));
    Choose(editor, IDC_YOUR_DATE, "9");
    EXPECT_EQ(Save(session, editor, IDYES), kReplaceQuestion);
    EXPECT_EQ(AnswerMessage(session.ProcessId()), "Unable to save profile.    ");
    EXPECT_TRUE(IsWindowVisible(editor));
    ASSERT_TRUE(CloseAndWait(editor));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(DataFile("Work.ini"), files.at("Work.ini"));

    // Adding under a description already listed asks too; Yes updates its
    // row instead of adding a second one (the index's rows and the file's
    // bytes are the unit tests').
    ASSERT_TRUE(editor = OpenEditor(session, IDC_ADD_PROFILE));
    SetControlTexts(editor, {{IDC_DESCRIPTION, "work"}, {IDC_FULL_NAME, "Kim Other"}});
    EXPECT_EQ(Save(session, editor, IDYES), kReplaceQuestion);
    ASSERT_TRUE(WaitUntilGone(editor));
    EXPECT_EQ(session.List().RowCount(), 2);
    EXPECT_EQ(session.List().CellText(1, 0), "Kim Other");
    ASSERT_TRUE(session.Close());
}

} // namespace
} // namespace e2e
