// The main window: the first start, the list, the selection as mouse and
// keyboard make it, the date lists with the Quick Tip and its focus, later
// starts while it runs, and the browser's text size each start sets.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>

using namespace e2e;

namespace {

const char* const kDreamsTip = "Click on the Analyze Day button or click on the Dreams button.";
const char* const kCompanionTip =
    "Click on the Companion button to get full Companion Analysis: business, friendship and love.";

const std::vector<TestProfile> kThree = {
    {"Jane Doe", "Me", 5, 4, 1970},
    {"John Smith", "Work", 11, 30, 1965, true},
    {"Ann Lee", "Friend", 2, 29, 1984},
};
const std::string kRecordPath = DataDirectory() + "task.dtr";

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

} // namespace

TEST(MainWindow, FirstStartShowsTheIntroductionThenAnEmptyList)
{
    KeepBrowserKeys("");
    MainWindowSession session({}, "", false);
    HWND intro = WaitForDialog(session.ProcessId(), kIntroductionCaption);
    ASSERT_TRUE(intro) << "no introduction page";
    // Shown pages are held: another process may read them, not replace them.
    for (const char* page : {"effects.htm", "reading.htm"}) {
        HANDLE file = CreateFileA((DataDirectory() + page).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                  nullptr);
        EXPECT_EQ(file, INVALID_HANDLE_VALUE) << page;
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        EXPECT_FALSE(DeleteFileA((DataDirectory() + page).c_str())) << page;
        EXPECT_FALSE(DataFile(page).empty()) << page;
    }
    // The main window waits until the introduction is closed.
    EXPECT_FALSE(WaitForDialog(session.ProcessId(), kMainWindowCaption, 500));

    // Wine has no HTML engine: the page is the program's own view, yellow
    // headings and black text on grey, and it scrolls with the keys.
    HWND view = GetWindow(Control(intro, 1003), GW_CHILD);
    ASSERT_TRUE(view);
    ClientShot shot;
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] {
        shot = CaptureClient(view);
        return shot.Count(RGB(255, 255, 0)) > 100;
    }));
    EXPECT_GT(shot.Count(RGB(0, 0, 0)), 1000);
    EXPECT_GT(shot.Count(RGB(128, 128, 128)), static_cast<int>(shot.pixels.size()) / 2);
    PostMessageA(view, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_TRUE(WaitUntil(2000, [&] { return CaptureClient(view).pixels != shot.pixels; }));
    // Escape in the page reaches the dialog.
    PostMessageA(view, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilGone(intro, 5000));

    ASSERT_TRUE(session.WaitForMainWindow());
    EXPECT_TRUE(DirectoryExists(DataDirectory() + "Reports\\"));
    EXPECT_EQ(BrowserTextSizes(), "--");
    EXPECT_EQ(session.List().RowCount(), 0);
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);
    EXPECT_TRUE(WaitForDialog(session.ProcessId(), "Quick Tip", 2000));
    ASSERT_TRUE(session.Close());
}

// The selection the buttons act on is the one the list shows, however it
// was made; the keyboard changes the tip but leaves the focus where it is.
// Only the exact path the Task Scheduler is given means an unattended run
// (that run itself is in ScheduleTest): any other spelling, this one's or
// the later starts', is a person starting the program.
TEST(MainWindow, SelectionDecidesWhatTheButtonsDoAndLaterStartsBringTheWindowBack)
{
    std::map<std::string, std::string> files = DataFilesFor(kThree);
    files["task.dtr"] = "Profile:" + DataDirectory() + "Me.ini\r\nEmail:me@example.com\r\nTime:7:5AM\r\nType:0\r\n";
    KeepBrowserKeys("SC");
    MainWindowSession session(files, "c:\\program files\\oracline\\task.dtr");
    ASSERT_TRUE(session.Window());
    EXPECT_EQ(BrowserTextSizes(), "M-");
    ListViewDriver list = session.List();
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.CellText(1, 0) + "|" + list.CellText(1, 1) + "|" + list.CellText(1, 2), "John Smith|Work|Manual");
    const std::time_t now = std::time(nullptr);
    const std::tm today = *std::localtime(&now);
    auto shown = [&](int listId) { return ComboDriver(session.Window(), listId).SelectedText(); };
    EXPECT_EQ(shown(IDC_YEAR) + "-" + shown(IDC_MONTH) + "-" + shown(IDC_DAY),
              std::to_string(today.tm_year + 1900) + "-" + std::to_string(today.tm_mon + 1) + "-" +
                  std::to_string(today.tm_mday));

    // A key as the user gives it: the control has the focus first.
    auto key = [&](int controlId, int virtualKey) {
        HWND control = Control(session.Window(), controlId);
        PostMessageA(session.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        PressKey(control, virtualKey);
        session.Settle();
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<int> selected;
        const char* buttons;
        const char* tip;
        int focus;
    };
    const Step steps[] = {
        {"Ctrl adds the third row", [&] { list.ClickRow(2, true); }, {0, 2}, "A-----C-H", kCompanionTip, IDC_COMPANION},
        // A plain click leaves one row, and the buttons say so.
        {"plain click on the second", [&] { list.ClickRow(1); }, {1}, "AEDYSO-RH", kDreamsTip, IDC_DREAMS},
        {"empty space keeps it", [&] { list.ClickEmptySpace(); }, {1}, "AEDYSO-RH", kDreamsTip, 0},
        {"Down in the list", [&] { key(IDC_PROFILE_LIST, VK_DOWN); }, {2}, "AEDYSO-RH", kDreamsTip, IDC_PROFILE_LIST},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        session.Settle();
        EXPECT_EQ(list.SelectedRows(), step.selected);
        EXPECT_EQ(session.EnabledButtons(), step.buttons);
        EXPECT_TRUE(session.TipSays(step.tip)) << session.TipPage();
        if (step.focus) {
            EXPECT_EQ(session.FocusedControlId(), step.focus);
        }
    }
    // Delete removes the row the list shows.
    session.Press(IDC_DELETE_PROFILE);
    session.Settle();
    EXPECT_TRUE(TakeFromRecycleBin(ProfileFileText(kThree[2])));
    EXPECT_TRUE(FileExists(DataDirectory() + "Work.ini"));

    // A date list worked with the keyboard keeps the focus too.
    key(IDC_YEAR, VK_UP);
    EXPECT_EQ(shown(IDC_YEAR), std::to_string(today.tm_year + 1900 + 1));
    EXPECT_FALSE(session.Enabled(IDC_DREAMS));
    EXPECT_EQ(session.FocusedControlId(), IDC_YEAR);

    // With the mouse the tip's button takes the focus.
    list.ClickRow(0);
    ASSERT_TRUE(session.ChooseDate(2004, 4, 30));
    EXPECT_EQ(session.FocusedControlId(), IDC_DREAMS);

    // A second start brings this window to the front and ends.
    KeepBrowserKeys("C");
    for (const std::string& commandLine : {"\"" + kRecordPath + "\"", kRecordPath + " "}) {
        SCOPED_TRACE(commandLine);
        ShowWindow(session.Window(), SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return IsIconic(session.Window()) != 0; }));
        ProgramRun second(commandLine);
        ASSERT_TRUE(second.WaitForExit()) << "a second main window opened";
        EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return !IsIconic(session.Window()); }));
        DWORD foregroundProcess = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
        EXPECT_EQ(foregroundProcess, session.ProcessId());
    }
    EXPECT_EQ(BrowserTextSizes(), "-M");
    KeepBrowserKeys("");
    ASSERT_TRUE(session.Close());
}
