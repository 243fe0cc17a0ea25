// The main window and its tasks: the selection as mouse and keyboard make
// it, the date lists and the Quick Tip with its focus, later starts, the
// browser's text size, the dialogs each button opens, deleting and closing,
// the Companion Analysis and its printout, the Help Wizard's page file, and
// a saved report in the viewer, printed with F2. The first start is in
// ProfileEditorTest.
#include "driver/Driver.h"
#include "res/CompanionWindowIds.h"
#include "res/HelpWizardIds.h"
#include "res/MainWindowIds.h"
#include "res/ProfileEditorIds.h"

#include <functional>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965, true};
const TestProfile kAnn{"Ann Lee", "Friend", 2, 29, 1984};
const char* const kDreamsTip = "Click on the Analyze Day button or click on the Dreams button.";
const char* const kCompanionTip = "Click on the Companion button to get full Companion Analysis: business, friendship and love.";

// The browser's text size goes into the first of these keys that exists, and
// never into one made for it.
const std::string kBrowserKeys[] = {"SOFTWARE\\Microsoft\\Internet Explorer\\International\\Scripts\\3",
                                    "SOFTWARE\\Microsoft\\Internet Explorer\\International\\1252"};

// Leaves, of the two keys, those named by a letter: 'S' scripts, 'C' code page.
void KeepBrowserKeys(const std::string& letters)
{
    for (int i : {0, 1}) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kBrowserKeys[i].c_str());
        if (letters.find("SC"[i]) != std::string::npos)
            RegSetKeyValueA(HKEY_CURRENT_USER, kBrowserKeys[i].c_str(), nullptr, REG_SZ, "", 1);
    }
}

// The text size in each key, scripts first: 'M' medium, '-' none, '?' another.
std::string BrowserTextSizes()
{
    std::string sizes;
    for (const std::string& key : kBrowserKeys) {
        DWORD value = 0, size = sizeof value;
        const LONG got = RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "IEFontSize", RRF_RT_ANY, nullptr, &value, &size);
        sizes += got == ERROR_FILE_NOT_FOUND ? '-' : got == ERROR_SUCCESS && size == 4 && value == 2 ? 'M' : '?';
    }
    return sizes;
}

const char* const kViewerCaption = "To print Daily Report in color click on the F2 key";
const COLORREF kReportColour = RGB(200, 60, 20);

} // namespace

// One start for the suite, by a command line that only looks like the
// unattended run (which spellings mean one is the unit tests'; the run itself
// is in ScheduleTest). CMake runs the suite in one process, in this order.
class MainWindowTasks : public SharedSession<MainWindowTasks, MainWindowSession> {
protected:
    static void SetUpTestSuite()
    {
        files_ = DataFilesFor({kJane, kJohn, kAnn});
        // What an ended run left in the pages folder goes at the next start,
        // read-only or not.
        CreateDirectoryA(PagesDirectory().c_str(), nullptr);
        WriteFileBytes(PagesDirectory() + "LEFT.HTM", "x");
        SetFileAttributesA((PagesDirectory() + "LEFT.HTM").c_str(), FILE_ATTRIBUTE_READONLY);
        // A line no reader knows makes this run's file unlike any other in the bin.
        files_["Work.ini"] += "Run:" + std::to_string(GetTickCount()) + "\r\n";
        files_["task.dtr"] = "Profile:" + DataDirectory() + "Nobody.ini\r\nEmail:me@example.com\r\nTime:7:5AM\r\nType:0\r\n";
        KeepBrowserKeys("SC");
        // The print dialog needs a printer to offer; the test one never reaches paper.
        printer_ = InstallTestPrinter();
        session_ = new MainWindowSession(files_, "c:\\program files\\oracline\\task.dtr");
    }
    void SetUp() override
    {
        ASSERT_EQ(printer_, "");
        ASSERT_TRUE(session_->Window());
    }
    std::string Shown(int listId) const { return ComboDriver(session_->Window(), listId).SelectedText(); }
    // A key as the user gives it: the control has the focus first.
    void Key(int controlId, int virtualKey) const
    {
        HWND control = Control(session_->Window(), controlId);
        PostMessageA(session_->Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        PressKey(control, virtualKey);
        session_->Settle();
    }
    void OpenCompanion() const
    {
        session_->List().ClickRow(0);
        session_->List().ClickRow(1, true);
        session_->Settle();
        session_->Press(IDC_COMPANION);
    }
    HWND OpenReport(const char* name) const
    {
        session_->Press(IDC_OPEN_REPORT);
        HWND dialog = WaitForDialog(session_->ProcessId(), "Select Daily Report");
        EXPECT_TRUE(session_->TipSays("Select and view any Daily Analysis Report you previously saved."));
        EXPECT_TRUE(EnterFileName(dialog, name)) << "no file dialog";
        return WaitForDialog(session_->ProcessId(), kViewerCaption);
    }

    static inline std::map<std::string, std::string> files_;
    static inline std::string printer_;
};

TEST_F(MainWindowTasks, TheStartClearsOldPagesSetsTheTextSizeAndShowsTheIndexAndToday)
{
    EXPECT_FALSE(FileExists(PagesDirectory() + "LEFT.HTM"));
    EXPECT_EQ(BrowserTextSizes(), "M-");
    ListViewDriver list = session_->List();
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.CellText(1, 0) + "|" + list.CellText(1, 1) + "|" + list.CellText(1, 2), "John Smith|Work|Manual");
    SYSTEMTIME today{};
    GetLocalTime(&today);
    EXPECT_EQ(Shown(IDC_YEAR) + "-" + Shown(IDC_MONTH) + "-" + Shown(IDC_DAY),
              std::to_string(today.wYear) + "-" + std::to_string(today.wMonth) + "-" + std::to_string(today.wDay));
}

// The selection the buttons act on is the one the list shows, however it
// was made; the keyboard changes the tip but leaves the focus where it is.
TEST_F(MainWindowTasks, TheSelectionAsMouseAndKeysMakeItDecidesButtonsTipAndFocus)
{
    ListViewDriver list = session_->List();
    const struct { const char* what; std::function<void()> act; std::vector<int> selected;
                   const char *buttons, *tip; int focus; } steps[] = {
        // A click leaves the focus in the list, so the arrows go on from there.
        {"Ctrl adds the third row", [&] { list.ClickRow(2, true); }, {0, 2}, "A-----C-H", kCompanionTip, IDC_PROFILE_LIST},
        // A plain click leaves one row, and the buttons say so.
        {"plain click on the second", [&] { list.ClickRow(1); }, {1}, "AEDYSO-RH", kDreamsTip, IDC_PROFILE_LIST},
        {"empty space keeps it", [&] { list.ClickEmptySpace(); }, {1}, "AEDYSO-RH", kDreamsTip, 0},
        {"Down in the list", [&] { Key(IDC_PROFILE_LIST, VK_DOWN); }, {2}, "AEDYSO-RH", kDreamsTip, IDC_PROFILE_LIST},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        session_->Settle();
        EXPECT_EQ(list.SelectedRows(), step.selected);
        EXPECT_EQ(session_->EnabledButtons(), step.buttons);
        EXPECT_TRUE(session_->TipSays(step.tip)) << PageFile("tip_e.htm");
        EXPECT_EQ(step.focus ? session_->FocusedControlId() : 0, step.focus);
    }
}

// Delete removes the row the list shows, without asking. Held open without
// sharing, the index cannot be replaced: the user is told and the row stays
// (that the index and the file stay with it is the index's unit test). Once
// the index is free the row and the file go together.
TEST_F(MainWindowTasks, DeleteKeepsRowAndFileWhileTheIndexCannotBeWritten)
{
    ListViewDriver list = session_->List();
    ASSERT_EQ(list.SelectedRows(), std::vector<int>{2});
    HANDLE held = CreateFileA((DataDirectory() + "oc.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    session_->Press(IDC_DELETE_PROFILE);
    EXPECT_EQ(AnswerMessage(session_->ProcessId()), "Unable to save profile.    ");
    CloseHandle(held);
    EXPECT_EQ(list.RowCount(), 3);
    session_->Press(IDC_DELETE_PROFILE);
    session_->Settle();
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_FALSE(FileExists(DataDirectory() + "Friend.ini"));
    EXPECT_TRUE(TakeFromRecycleBin(ProfileFileText(kAnn)));
    EXPECT_TRUE(FileExists(DataDirectory() + "Work.ini"));
}

// A date list worked with the keyboard keeps the focus; with the mouse the
// tip's button takes it.
TEST_F(MainWindowTasks, ADateListKeepsTheFocusForKeysAndHandsItToTheTipsButtonAfterAClick)
{
    SYSTEMTIME today{};
    GetLocalTime(&today);
    Key(IDC_YEAR, VK_UP);
    EXPECT_EQ(Shown(IDC_YEAR), std::to_string(today.wYear + 1));
    EXPECT_EQ(session_->FocusedControlId(), IDC_YEAR);
    session_->List().ClickRow(0);
    ASSERT_TRUE(session_->ChooseDate({2004, 4, 30}));
    EXPECT_EQ(session_->FocusedControlId(), IDC_DREAMS);
}

// The browser's text size goes only into a key that is there.
TEST_F(MainWindowTasks, ASecondStartBringsThisWindowToTheFrontAndEnds)
{
    const struct { const char *keys, *sizes; } later[] = {{"C", "-M"}, {"", "--"}};
    for (const auto& start : later) {
        SCOPED_TRACE(start.keys);
        KeepBrowserKeys(start.keys);
        ShowWindow(session_->Window(), SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return IsIconic(session_->Window()) != 0; }));
        ProgramRun second;
        ASSERT_TRUE(second.WaitForExit()) << "a second main window opened";
        EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return !IsIconic(session_->Window()); }));
        DWORD foregroundProcess = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
        EXPECT_EQ(foregroundProcess, session_->ProcessId());
        EXPECT_EQ(BrowserTextSizes(), start.sizes);
    }
}

TEST_F(MainWindowTasks, TheTasksTakeTheDayTheListsShowAndNoneBeforeTheBirthDate)
{
    ASSERT_EQ(session_->List().SelectedRows(), std::vector<int>{0});
    ASSERT_TRUE(session_->ChooseDate({1990, 5, 3}));
    session_->Press(IDOK);
    EXPECT_EQ(AnswerMessage(session_->ProcessId()), "You can't analyze a date before your birth date.     ");
    // The tasks take the day the lists show (a day the month lacks is the
    // profile editor's test).
    ASSERT_TRUE(session_->ChooseDate({1990, 6, 30}));
    const std::pair<int, const char*> tasks[] = {{IDOK, "Daily Analysis - June 30, 1990 "}, {IDC_DREAMS, " Dream Interpretation"}};
    for (const auto& task : tasks) {
        session_->Press(task.first);
        HWND opened = WaitForDialogWhere(session_->ProcessId(), [&](HWND window) { return TextOf(window).rfind(task.second, 0) == 0; });
        ASSERT_TRUE(opened) << task.second;
        ASSERT_TRUE(CloseAndWait(opened));
    }
    EXPECT_TRUE(FileExists(PagesDirectory() + "dream_r.htm"));
}

TEST_F(MainWindowTasks, TheSystemMenuOpensTheAboutBox)
{
    PostMessageA(session_->Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitForDialog(session_->ProcessId(), "About Oracline 2005");
    ASSERT_TRUE(about);
    EXPECT_NE(ControlText(about, IDC_ABOUT_TEXT).find("Oracline 2005"), std::string::npos);
    EXPECT_TRUE(CloseAndWait(about));
}

TEST_F(MainWindowTasks, TheQuickTipStripSitsUnderTheWindowAndRefusesEscape)
{
    HWND tip = WaitForDialog(session_->ProcessId(), "Quick Tip");
    ASSERT_TRUE(tip);
    const RECT main = FrameOf(session_->Window()), strip = FrameOf(tip);
    EXPECT_EQ(std::vector<LONG>({strip.left, strip.top, strip.right, strip.bottom - strip.top}),
              std::vector<LONG>({main.left, main.bottom, main.right, 85}));
    PressKey(tip, VK_ESCAPE);
    EXPECT_EQ(AnswerMessage(session_->ProcessId()), "Quick Tip dialog must remain open.       ");
    EXPECT_TRUE(IsWindow(tip) && IsWindowVisible(tip));
}

TEST_F(MainWindowTasks, ADoubleClickOpensTheEditorOnThatRow)
{
    session_->List().ClickRow(1, false, true);
    HWND editor = WaitForDialog(session_->ProcessId(), "Profile");
    ASSERT_TRUE(editor) << "no profile editor";
    EXPECT_EQ(ControlText(editor, IDC_DESCRIPTION), "Work");
    ASSERT_TRUE(CloseAndWait(editor));
}

// A profile without its file: a stop saying why, and no window. (Which pairs
// are one person twice is the unit tests' business.) Two that read open the
// window, whose page is of those two, and print.
TEST_F(MainWindowTasks, TheCompanionNeedsBothFilesThenExplainsAndPrints)
{
    const std::string work = DataDirectory() + "Work.ini";
    ASSERT_TRUE(DeleteFileA(work.c_str()));
    OpenCompanion();
    EXPECT_EQ(AnswerMessage(session_->ProcessId()), "Unable to read profile \"Work\".     \nCompanion analysis needs both profiles.     ");
    EXPECT_FALSE(WaitForDialog(session_->ProcessId(), "Companion Analysis", 300));

    ASSERT_TRUE(WriteFileBytes(work, files_["Work.ini"]));
    OpenCompanion();
    HWND companion = nullptr, page = nullptr;
    ASSERT_TRUE(companion = WaitForDialog(session_->ProcessId(), "Companion Analysis", 3000)) << "no Companion Analysis window";
    PressButton(companion, IDC_COMPANION_EXPLAIN);
    ASSERT_TRUE(page = WaitForDialog(session_->ProcessId(), " Companion Analysis")) << "no explanation page";
    // Written for the two profiles chosen, not a page left from before.
    EXPECT_NE(PageFile("reading.htm").find("Taurus and Sagittarius"), std::string::npos);
    ASSERT_TRUE(CloseAndWait(page));
    PressButton(companion, IDOK);
    ASSERT_TRUE(WaitUntilGone(companion));
    ASSERT_TRUE(AnswerPrintDialog(session_->ProcessId()));
    const Picture printed = PrintedPage();
    ASSERT_TRUE(printed.Loaded()) << "no printed page came back";
    // What the four lines are and where they stand is the drawing's unit test.
    EXPECT_GE(BoxOf(printed, [](COLORREF p) { return Near(p, RGB(0, 0, 0), 100); }).right, 0) << "no ink";
}

// The first topic is there at once; choosing a topic, even the same one
// again, writes its page anew. A link planted at a page's name is replaced by
// a fresh page, never written through.
TEST_F(MainWindowTasks, EachHelpTopicIsWrittenAnewNeverThroughALink)
{
    const std::string linked = DataDirectory() + "linked.txt";
    ASSERT_TRUE(WriteFileBytes(linked, "not a page"));
    ASSERT_TRUE(CreateHardLinkA((PagesDirectory() + "help.htm").c_str(), linked.c_str(), nullptr));
    session_->Press(IDC_HELP_BUTTON);
    HWND wizard = WaitForDialog(session_->ProcessId(), "Help Wizard");
    ASSERT_TRUE(wizard);
    ComboDriver topics(wizard, IDC_HELP_TOPICS);
    EXPECT_EQ(topics.Count(), 9);
    EXPECT_NE(PageFile("help.htm").find("<b>Oracline 2005 is one of a kind Numerology"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(linked), "not a page");
    const std::string faq = "Can I schedule email delivery reports for multiple profiles?";
    for (int again = 0; again < 2; ++again) {
        WriteFileBytes(PagesDirectory() + "help.htm", "stale");
        topics.Choose(7);
        EXPECT_NE(PageFile("help.htm").find(faq), std::string::npos) << again;
    }
    ASSERT_TRUE(CloseAndWait(wizard));
}

// No picture in the file: the viewer stays empty and says nothing.
TEST_F(MainWindowTasks, AReportWithoutAPictureOpensAnEmptyViewer)
{
    WriteFileBytes(ReportsDirectory() + "saved.jpg", "not really a picture");
    HWND viewer = OpenReport("saved.jpg");
    ASSERT_TRUE(viewer) << "no report viewer";
    EXPECT_FALSE(WaitForMessageBox(session_->ProcessId(), 500));
    ASSERT_TRUE(CloseAndWait(viewer));
}

// Fitted into 800 x 600; F2 prints it, again and again, fitted to the page's
// width, in colour.
TEST_F(MainWindowTasks, ASavedReportIsShownFittedAndF2PrintsItInColour)
{
    ASSERT_TRUE(WritePlainJpeg(ReportsDirectory() + "today.jpg", 600, 400, kReportColour));
    HWND viewer = OpenReport("today.jpg");
    ASSERT_TRUE(viewer) << "no report viewer";
    const RECT frame = FrameOf(viewer);
    EXPECT_EQ(std::make_pair(frame.right - frame.left, frame.bottom - frame.top), std::make_pair(800L, 600L));
    session_->Settle();
    // 600 x 400 is drawn at (97, 85) of the client area.
    const Picture shot = CaptureClient(viewer);
    EXPECT_TRUE(Near(shot.Pixel(97 + 1, 85 + 1), kReportColour, 16));
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        PressKey(viewer, VK_F2);
        ASSERT_TRUE(AnswerPrintDialog(session_->ProcessId())) << "F2 did not print";
        HWND options = WaitForDialog(session_->ProcessId(), "Print: today.jpg");
        ASSERT_TRUE(options);
        PressButton(options, IDOK);
        const Picture page = PrintedPage();
        ASSERT_TRUE(page.Loaded()) << "no printed page came back";
        EXPECT_TRUE(Near(page.Pixel(page.Width() / 2, 50 + 200), kReportColour, 40));
        EXPECT_TRUE(IsWindowVisible(viewer));
    }
    ASSERT_TRUE(CloseAndWait(viewer));
}

// The row above takes the selection, and the index is written at once; every
// page file goes at closing.
TEST_F(MainWindowTasks, DeletingEveryRowThenClosingLeavesNoPage)
{
    ListViewDriver list = session_->List();
    list.ClickRow(1);
    session_->Settle();
    for (int left : {1, 0}) {
        session_->Press(IDC_DELETE_PROFILE);
        session_->Settle();
        EXPECT_EQ(list.RowCount(), left);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>(left, 0));
        EXPECT_EQ(DataFile("oc.ini"), left ? IndexFileText({kJane}) : "");
    }
    EXPECT_FALSE(FileExists(DataDirectory() + "Work.ini"));
    EXPECT_TRUE(TakeFromRecycleBin(files_["Work.ini"]));
    TakeFromRecycleBin(ProfileFileText(kJane));
    ASSERT_TRUE(session_->Close());
    for (const char* gone : {"tip_e.htm", "dream_r.htm"})
        EXPECT_FALSE(FileExists(PagesDirectory() + gone)) << gone;
}

