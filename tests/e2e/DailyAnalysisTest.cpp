// The Daily Analysis window: its caption against oracline-cli, day
// navigation and the buttons it leaves usable, the superstition and
// explanation pages, Save through the real Save As dialog with the pixels of
// the saved JPEG, Email's reminder, and a profile file removed underneath.
#include "driver/DailyDriver.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/PageWindowIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 3, 2, 1950};
const std::string kProfilePath = "C:\\Program Files\\Oracline\\Me.ini";
const char* const kSaved = "Your Daily Report was saved successfully.     ";

std::string TitleFor(int year, int month, int day) { return CliDaily(kProfilePath, IsoDate(year, month, day)).title; }

// Prev, noW, Next, the hourly E P B I F and S, pRint, eMail, Save, eXplain.
std::string ButtonStates(HWND window)
{
    return EnabledLetters(window, {{IDC_DAILY_PREV_DAY, 'p'}, {IDC_DAILY_NOW, 'w'}, {IDC_DAILY_NEXT_DAY, 'n'},
                                   {IDC_DAILY_EMOTIONAL, 'E'}, {IDC_DAILY_PHYSICAL, 'P'},
                                   {IDC_DAILY_INTELLECTUAL, 'B'}, {IDC_DAILY_INTUITION, 'I'},
                                   {IDC_DAILY_FORTUNE, 'F'}, {IDC_DAILY_SUPERSTITION, 'S'}, {IDOK, 'r'},
                                   {IDC_DAILY_EMAIL, 'm'}, {IDC_DAILY_SAVE, 's'}, {IDC_DAILY_EXPLAIN, 'x'}});
}

// Presses a button that opens a page window, checks it opens, closes it and
// returns its size.
SIZE OpenAndClosePage(MainWindowSession& session, HWND window, int button, const std::string& caption)
{
    PressButton(window, button);
    HWND page = WaitForDialog(session.ProcessId(), caption);
    EXPECT_TRUE(page) << "no page " << caption;
    const SIZE size = WindowSize(page);
    // The browser fills the window inside its frame, down to the bottom.
    RECT client{}, browser{};
    GetClientRect(page, &client);
    GetWindowRect(Control(page, IDC_BROWSER), &browser);
    EXPECT_EQ(browser.right - browser.left, client.right);
    EXPECT_EQ(browser.bottom - browser.top, client.bottom);
    EXPECT_TRUE(CloseAndWait(page));
    return size;
}

// True when Email reminded to save first.
bool EmailReminds(MainWindowSession& session, HWND window)
{
    PressButton(window, IDC_DAILY_EMAIL);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId(), 1000);
    EXPECT_EQ(box.text, box ? "Please save Daily Report first.     " : "");
    AnswerMessageBox(box, IDOK);
    return static_cast<bool>(box);
}

} // namespace

TEST(DailyAnalysis, NavigationButtonStatesAndTheSuperstitionOfTheDayShown)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    // The last day of a 31-day month: Next Day crosses into the next month.
    HWND window = OpenDailyAnalysis(session, 0, 2005, 8, 31, kProfilePath);
    ASSERT_TRUE(window) << "no Daily Analysis window with the cli's title";
    EXPECT_EQ(ButtonStates(window), "p-nEPBIFSrmsx");
    // The window shows what the navigation rules decide; the rules
    // themselves are unit-tested.
    PressButton(window, IDC_DAILY_NEXT_DAY);
    ASSERT_TRUE(WaitForCaption(window, TitleFor(2005, 9, 1))) << TextOf(window);
    EXPECT_EQ(ButtonStates(window), "pw------Srmsx");
    // The superstition follows the day shown: September 1 has the kiss saying.
    OpenAndClosePage(session, window, IDC_DAILY_SUPERSTITION, " Daily Superstition");
    EXPECT_NE(DataFile("super_r.htm").find("<b>kiss<p>"), std::string::npos);
    PressButton(window, IDC_DAILY_NOW);
    EXPECT_TRUE(WaitForCaption(window, TitleFor(2005, 8, 31))) << TextOf(window);
    EXPECT_EQ(ButtonStates(window), "p-nEPBIFSrmsx");
    // The letter on a button, pressed on the keyboard, acts as the button.
    RealInput("key e");
    HWND hourly = WaitForDialogWhere(session.ProcessId(), [](HWND dialog) {
        return TextOf(dialog).find("Reading - Emotional") != std::string::npos;
    });
    EXPECT_TRUE(hourly && CloseAndWait(hourly));
    ASSERT_TRUE(CloseAndWait(window));
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, SaveEmailExplainAndARemovedProfileFile)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    HWND window = OpenDailyAnalysis(session, 0, 2005, 9, 12, kProfilePath);
    ASSERT_TRUE(window);

    // Held open without sharing, a file cannot be replaced. (A read-only
    // attribute would not do under Wine run as root, which writes anyway.)
    const std::string locked = DataDirectory() + "Reports\\locked.jpg";
    ASSERT_TRUE(WriteFileBytes(locked, "old"));
    HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PressButton(window, IDC_DAILY_SAVE);
    HWND dialog = WaitForDialog(session.ProcessId(), "Save Report");
    EXPECT_FALSE(EnterFileName(dialog, locked, 0));
    // The dialog asks before replacing an existing file.
    HWND confirm = WaitForDialogWhere(session.ProcessId(), [&](HWND candidate) {
        return candidate != dialog && candidate != window && GetDlgItem(candidate, IDYES);
    });
    ASSERT_TRUE(confirm) << "no overwrite question";
    PressButton(confirm, IDYES);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    CloseHandle(held);
    EXPECT_EQ(box.text, "Unable to save Daily Report.    ");
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(ReadFileBytes(locked), "old");
    // A failed save is no saved report: Email reminds and saves.
    ASSERT_TRUE(EmailReminds(session, window));

    // A name typed without an extension gets ".jpg".
    const std::string path = DataDirectory() + "Reports\\day.jpg";
    ASSERT_TRUE(EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), DataDirectory() + "Reports\\day"));
    box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, kSaved);
    AnswerMessageBox(box, IDOK);
    // Saved, so that Email goes on to the composer, and the next one goes
    // there at once.
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(round == 1 && EmailReminds(session, window));
        HWND composer = WaitForDialog(session.ProcessId(), "Email");
        EXPECT_EQ(ControlText(composer, 1067), "day.jpg");
        EXPECT_TRUE(CloseAndWait(composer));
    }
    EXPECT_TRUE(IsJpeg(ReadFileBytes(path))) << path;
    DecodedImage image(path);
    ASSERT_TRUE(image.Loaded());
    EXPECT_EQ(image.Width(), 780);
    EXPECT_EQ(image.Height(), 550);
    EXPECT_TRUE(Near(image.Pixel(760, 300), RGB(128, 128, 128), 12)) << "background";

    const SIZE explain = OpenAndClosePage(session, window, IDC_DAILY_EXPLAIN, " Daily Analysis - How To Use");
    EXPECT_EQ(explain.cx, 700);
    EXPECT_EQ(explain.cy, 480);

    // Without its file the set comes from the defaults: no name, but the day
    // still moves.
    ASSERT_TRUE(DeleteFileA(kProfilePath.c_str()));
    PressButton(window, IDC_DAILY_NEXT_DAY);
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return TextOf(window).rfind("Daily Analysis - September 13, 2005 ", 0) == 0; }))
        << TextOf(window);
    EXPECT_EQ(TextOf(window).find("Jane Doe"), std::string::npos);
    EXPECT_TRUE(CloseAndWait(window));
    EXPECT_TRUE(session.Close());
}
