// The Daily Analysis window: its caption against oracline-cli, day
// navigation and the buttons it leaves usable, the superstition and
// explanation pages, a letter key, the Monthly Outlook (its colours, Save
// through the real Save As dialog, a chosen day moving the Daily Analysis
// there) and a profile file removed underneath.
#include "driver/DailyDriver.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/MonthlyOutlookIds.h"
#include "res/PageWindowIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

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
SIZE OpenAndClosePage(DailySession& session, int button, const std::string& caption)
{
    PressButton(session.Daily(), button);
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

} // namespace

TEST(DailyAnalysis, NavigationPagesLetterKeyMonthlyOutlookAndARemovedProfileFile)
{
    // The last day of a 31-day month: Next Day crosses into the next month.
    DailySession session({"Jane Doe", "Me", 3, 2, 1950}, 2005, 8, 31);
    HWND window = session.Daily();
    ASSERT_TRUE(window) << "no Daily Analysis window with the cli's title";
    EXPECT_EQ(ButtonStates(window), "p-nEPBIFSrmsx");
    // The window shows what the navigation rules decide; the rules
    // themselves are unit-tested.
    PressButton(window, IDC_DAILY_NEXT_DAY);
    ASSERT_TRUE(WaitForCaption(window, session.TitleOn(2005, 9, 1))) << TextOf(window);
    EXPECT_EQ(ButtonStates(window), "pw------Srmsx");
    // The superstition follows the day shown: September 1 has the kiss saying.
    OpenAndClosePage(session, IDC_DAILY_SUPERSTITION, " Daily Superstition");
    EXPECT_NE(DataFile("super_r.htm").find("<b>kiss<p>"), std::string::npos);
    PressButton(window, IDC_DAILY_NOW);
    EXPECT_TRUE(WaitForCaption(window, session.DailyTitle())) << TextOf(window);
    EXPECT_EQ(ButtonStates(window), "p-nEPBIFSrmsx");
    // The letter on a button, pressed on the keyboard, acts as the button.
    RealInput("key e");
    HWND hourly = WaitForDialogWhere(session.ProcessId(), [](HWND dialog) {
        return TextOf(dialog).find("Reading - Emotional") != std::string::npos;
    });
    EXPECT_TRUE(hourly && CloseAndWait(hourly));
    const SIZE explain = OpenAndClosePage(session, IDC_DAILY_EXPLAIN, " Daily Analysis - How To Use");
    EXPECT_EQ(explain.cx * 1000 + explain.cy, 700480);

    // M opens the Monthly Outlook of the day shown, drawn on the screen with
    // every reading's colour in the plot.
    const std::string heading = "Daily Analysis - ";
    ASSERT_EQ(session.DailyTitle().rfind(heading, 0), 0u) << session.DailyTitle();
    PressKey(window, 'M');
    HWND outlook =
        WaitForDialog(session.ProcessId(), "Monthly Outlook - " + session.DailyTitle().substr(heading.size()));
    ASSERT_TRUE(outlook) << "no Monthly Outlook window with the daily caption";
    RECT client{};
    GetClientRect(outlook, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 800480);
    ClientShot shot;
    for (COLORREF colour : {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0)})
        EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return (shot = CaptureClient(outlook)).Count(colour) > 100; })) << colour;
    const std::string path = DataDirectory() + "Reports\\month.jpg";
    PressButton(outlook, IDC_MONTHLY_SAVE);
    ASSERT_TRUE(EnterFileName(WaitForDialog(session.ProcessId(), "Save Monthly Outlook"), path));
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(box.text, "Your Monthly Outlook was saved successfully.     ");
    AnswerMessageBox(box, IDOK);
    EXPECT_TRUE(IsJpeg(ReadFileBytes(path))) << path;
    DecodedImage image(path);
    EXPECT_EQ(image.Width() * 1000 + image.Height(), 800480);
    EXPECT_TRUE(Near(image.Pixel(790, 300), RGB(128, 128, 128), 12)) << "background";
    // A day chosen with Right and Enter is shown in the Daily Analysis.
    PressKey(outlook, VK_RIGHT);
    PressKey(outlook, VK_RETURN);
    EXPECT_TRUE(WaitUntilGone(outlook));
    EXPECT_TRUE(WaitForCaption(window, session.TitleOn(2005, 9, 1))) << TextOf(window);

    // Without its file the set comes from the defaults: no name, but the day
    // still moves.
    ASSERT_TRUE(DeleteFileA(session.ProfilePath().c_str()));
    PressButton(window, IDC_DAILY_NOW);
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return TextOf(window).rfind(heading + "August 31, 2005 ", 0) == 0; }))
        << TextOf(window);
    EXPECT_EQ(TextOf(window).find("Jane Doe"), std::string::npos);
    EXPECT_TRUE(CloseAndWait(window));
    EXPECT_TRUE(session.Main().Close());
}
