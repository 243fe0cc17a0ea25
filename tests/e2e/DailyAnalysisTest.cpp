// The Daily Analysis window: its caption against oracline-cli, day
// navigation and the buttons it leaves usable, the superstition and
// explanation pages, Save through the real Save As dialog with the pixels of
// the saved JPEG, Email's reminder, and a profile file removed underneath.
#include "driver/DailyDriver.h"
#include "driver/FileDialogDriver.h"
#include "res/DailyAnalysisWindowIds.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 5, 4, 1990};
const TestProfile kOld{"Old Timer", "Old", 3, 2, 1950};

const char* const kSaveFirst = "Please save Daily Report first.     ";
const char* const kSaved = "Your Daily Report was saved successfully.     ";
const char* const kNotSaved = "Unable to save Daily Report.    ";
const char* const kPrevBefore1971 = "The Prev Day button does not calculate dates before 1971.     ";
const char* const kNextBefore1971 = "The Next Day button does not calculate dates before 1971.     ";

std::string ProfilePath(const TestProfile& profile)
{
    return DataDirectory() + profile.description + ".ini";
}

std::string Iso(int year, int month, int day)
{
    char text[16];
    wsprintfA(text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string TitleFor(const TestProfile& profile, int year, int month, int day)
{
    return CliDaily(ProfilePath(profile), Iso(year, month, day)).title;
}

// Prev, noW, Next, the hourly E P B I F and S, '-' for a disabled one.
std::string ButtonStates(HWND window)
{
    const std::pair<int, char> buttons[] = {
        {IDC_DAILY_PREV_DAY, 'p'},     {IDC_DAILY_NOW, 'w'},       {IDC_DAILY_NEXT_DAY, 'n'},
        {IDC_DAILY_EMOTIONAL, 'E'},    {IDC_DAILY_PHYSICAL, 'P'},  {IDC_DAILY_INTELLECTUAL, 'B'},
        {IDC_DAILY_INTUITION, 'I'},    {IDC_DAILY_FORTUNE, 'F'},   {IDC_DAILY_SUPERSTITION, 'S'},
        {IDOK, 'r'},                   {IDC_DAILY_EMAIL, 'm'},     {IDC_DAILY_SAVE, 's'},
        {IDC_DAILY_EXPLAIN, 'x'},
    };
    std::string letters;
    for (const auto& button : buttons)
        letters += ControlEnabled(window, button.first) ? button.second : '-';
    return letters;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Presses S, checks the page window opens, closes it and returns the
// content page as written.
std::string SuperstitionPage(MainWindowSession& session, HWND window)
{
    PressButton(window, IDC_DAILY_SUPERSTITION);
    HWND page = WaitForDialog(session.ProcessId(), " Daily Superstition");
    EXPECT_TRUE(page) << "no superstition page";
    if (page) {
        CloseDialog(page);
        EXPECT_TRUE(WaitUntilGone(page));
    }
    return ReadFileBytes(DataDirectory() + "super_r.htm");
}

std::string Keyword(const char* word)
{
    return std::string("<b>") + word + "<p><font color=\"black\">";
}

// Runs Save through the real dialog with `name` typed and returns the
// message that ended it (empty when none came).
std::string SaveAs(MainWindowSession& session, HWND window, const std::string& name)
{
    PressButton(window, IDC_DAILY_SAVE);
    FileDialogDriver dialog(session.ProcessId(), "Save Report");
    if (!dialog || !dialog.TypeFileName(name) || !dialog.Accept())
        return "";
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    if (!box)
        return "";
    AnswerMessageBox(box, IDOK);
    return box.text;
}

// The topmost row of the bar's colour in its centre column, searched below
// the text lines; -1 when the column never shows it.
int BarTop(const DecodedImage& image, int x, COLORREF colour)
{
    for (int y = 190; y <= 500; ++y)
        if (Near(image.Pixel(x, y), colour, 60))
            return y;
    return -1;
}

int ClampForDisplay(int value)
{
    return value <= 0 ? 3 : std::min(value, 99);
}

} // namespace

TEST(DailyAnalysis, NavigationStaysAroundTheOpeningDateAndTheSuperstitionFollowsTheShownDay)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    // The last day of a 31-day month: Next Day crosses into the next month.
    HWND window = OpenDailyAnalysis(session, 0, 2005, 8, 31, TitleFor(kJane, 2005, 8, 31));
    ASSERT_TRUE(window) << "no Daily Analysis window with the cli's title";
    EXPECT_EQ(ButtonStates(window), "p-nEPBIFSrmsx");

    struct Step {
        int button;
        int year, month, day;   // the date then shown
        const char* states;
        std::vector<const char*> keywords;  // the superstition of that day, in order
    };
    const Step steps[] = {
        {IDC_DAILY_NEXT_DAY, 2005, 9, 1, "pw------Srmsx", {"cats", "kiss"}},
        // Each step starts from the opening date, not from the day shown.
        {IDC_DAILY_PREV_DAY, 2005, 8, 30, "-wn-----Srmsx", {"cheeks"}},
        {IDC_DAILY_NEXT_DAY, 2005, 9, 1, "pw------Srmsx", {"cats", "kiss"}},
        {IDC_DAILY_NOW, 2005, 8, 31, "p-nEPBIFSrmsx", {"itching"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(Iso(step.year, step.month, step.day));
        PressButton(window, step.button);
        EXPECT_TRUE(WaitForCaption(window, TitleFor(kJane, step.year, step.month, step.day)))
            << "caption: " << TextOf(window);
        EXPECT_EQ(ButtonStates(window), step.states);
        const std::string page = SuperstitionPage(session, window);
        size_t after = 0;
        for (const char* keyword : step.keywords) {
            const size_t at = page.find(Keyword(keyword));
            ASSERT_NE(at, std::string::npos) << keyword;
            EXPECT_GE(at, after) << keyword << " out of order";
            after = at;
        }
        // Nothing but the day's entries: every entry starts with a yellow keyword.
        size_t entries = 0;
        for (size_t at = page.find("<p><font color=\"black\">"); at != std::string::npos;
             at = page.find("<p><font color=\"black\">", at + 1))
            ++entries;
        EXPECT_EQ(entries, step.keywords.size());
    }
    CloseDialog(window);
    EXPECT_TRUE(WaitUntilGone(window));
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, SuperstitionPageIsTheWholePageInWindows1252)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    HWND window = OpenDailyAnalysis(session, 0, 2006, 3, 1, TitleFor(kJane, 2006, 3, 1));
    ASSERT_TRUE(window);
    const std::string page = SuperstitionPage(session, window);
    // No centring and no scroll bar; the kiss saying's apostrophe is the
    // single byte 0x92, not UTF-8.
    EXPECT_TRUE(Contains(page, "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
                               "oncontextmenu=\"return false\" scroll=\"no\"><script"));
    EXPECT_TRUE(Contains(page, "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>cats<p>"));
    EXPECT_TRUE(Contains(page, "\x92"));
    EXPECT_FALSE(Contains(page, "\xE2\x80\x99"));
    const std::string closing = "<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" "
                                "face=\"Arial\"><b>Print</b></font></A></td></tr></table><p><br></body></html>";
    ASSERT_GE(page.size(), closing.size());
    EXPECT_EQ(page.substr(page.size() - closing.size()), closing);
    EXPECT_TRUE(Contains(ReadFileBytes(DataDirectory() + "super_e.htm"),
                         "URL=C:\\Program Files\\Oracline\\super_r.htm\""));
    CloseDialog(window);
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, DatesBefore1971KeepOnlyTheDayItselfAndTheSuperstition)
{
    MainWindowSession session(DataFilesFor({kOld}));
    ASSERT_TRUE(session.Window());
    const std::string title = TitleFor(kOld, 1970, 6, 15);
    HWND window = OpenDailyAnalysis(session, 0, 1970, 6, 15, title);
    ASSERT_TRUE(window);
    EXPECT_EQ(ButtonStates(window), "--------Srmsx");

    // The handlers refuse as well, should the commands arrive anyway.
    const std::pair<int, const char*> refusals[] = {{IDC_DAILY_PREV_DAY, kPrevBefore1971},
                                                    {IDC_DAILY_NEXT_DAY, kNextBefore1971}};
    for (const auto& refusal : refusals) {
        PressButton(window, refusal.first);
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
        ASSERT_TRUE(box);
        EXPECT_EQ(box.text, refusal.second);
        AnswerMessageBox(box, IDOK);
        EXPECT_EQ(TextOf(window), title);
    }
    const std::string page = SuperstitionPage(session, window);
    EXPECT_TRUE(Contains(page, Keyword("owl")));
    EXPECT_TRUE(Contains(page, Keyword("wedding ring")));
    CloseDialog(window);
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, SavedReportIsA780By550JpegOfTheImageVariant)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    const CliDailySet expected = CliDaily(ProfilePath(kJane), "2005-09-12");
    ASSERT_TRUE(expected.ok);
    HWND window = OpenDailyAnalysis(session, 0, 2005, 9, 12, expected.title);
    ASSERT_TRUE(window);

    // A name typed without an extension gets ".jpg".
    const std::string path = DataDirectory() + "Reports\\day.jpg";
    EXPECT_EQ(SaveAs(session, window, DataDirectory() + "Reports\\day"), kSaved);
    const std::string bytes = ReadFileBytes(path);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(JpegSize(bytes, width, height)) << "not a JPEG: " << path;
    EXPECT_EQ(width, 780);
    EXPECT_EQ(height, 550);

    DecodedImage image(path);
    ASSERT_TRUE(image.Loaded());
    const COLORREF grey = RGB(128, 128, 128);
    const COLORREF black = RGB(0, 0, 0);
    for (POINT p : {POINT{760, 300}, POINT{40, 530}, POINT{740, 100}})
        EXPECT_TRUE(Near(image.Pixel(p.x, p.y), grey, 12)) << "background at " << p.x << "," << p.y;
    for (POINT p : {POINT{1, 275}, POINT{778, 275}, POINT{390, 1}, POINT{390, 548}})
        EXPECT_TRUE(Near(image.Pixel(p.x, p.y), black, 40)) << "frame at " << p.x << "," << p.y;
    // The caption is the image's first line: dark text in its band.
    int dark = 0;
    for (int y = 14; y < 28; ++y)
        for (int x = 90; x < 400; ++x)
            dark += Near(image.Pixel(x, y), black, 50) ? 1 : 0;
    EXPECT_GT(dark, 100) << "no title line";

    struct Bar {
        const char* name;
        int x;
        COLORREF colour;
    };
    const Bar bars[] = {{"Emotional", 185, RGB(0, 0, 255)}, {"Physical", 290, RGB(255, 0, 0)},
                        {"Intellectual", 400, RGB(255, 255, 255)}, {"Intuition", 506, RGB(0, 255, 0)},
                        {"Fortune", 620, RGB(255, 255, 0)}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(bars[i].name);
        const int top = 497 - 3 * ClampForDisplay(expected.readings[i]);
        EXPECT_NEAR(BarTop(image, bars[i].x, bars[i].colour), top, 2);
        // Flat caps: the bar stops at the axis' upper edge.
        EXPECT_TRUE(Near(image.Pixel(bars[i].x, 495), bars[i].colour, 60));
        // 40 pixels wide: its colour just inside its edges, grey beyond them
        // (the encoder's colour subsampling blurs the edges a little).
        EXPECT_TRUE(Near(image.Pixel(bars[i].x - 17, 480), bars[i].colour, 60));
        EXPECT_TRUE(Near(image.Pixel(bars[i].x + 17, 480), bars[i].colour, 60));
        EXPECT_TRUE(Near(image.Pixel(bars[i].x - 26, 480), grey, 24));
        EXPECT_TRUE(Near(image.Pixel(bars[i].x + 26, 480), grey, 24));
    }

    // Email after a Save goes no further until mail exists: no reminder.
    PressButton(window, IDC_DAILY_EMAIL);
    EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 1000));
    CloseDialog(window);
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, EmailRemindsToSaveAndCancellingLeavesNothingSaved)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    HWND window = OpenDailyAnalysis(session, 0, 2005, 9, 12, TitleFor(kJane, 2005, 9, 12));
    ASSERT_TRUE(window);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        PressButton(window, IDC_DAILY_EMAIL);
        MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
        ASSERT_TRUE(box);
        EXPECT_EQ(box.text, kSaveFirst);
        AnswerMessageBox(box, IDOK);
        FileDialogDriver dialog(session.ProcessId(), "Save Report");
        ASSERT_TRUE(dialog);
        if (round == 0) {
            // A folder that does not exist is refused by the dialog itself.
            ASSERT_TRUE(dialog.TypeFileName(DataDirectory() + "Missing\\day.jpg"));
            EXPECT_FALSE(dialog.Accept());
            // The dialog's own warning (not one of the program's boxes).
            HWND warning = nullptr;
            for (HWND candidate : DialogsOf(session.ProcessId()))
                if (TextOf(candidate).empty() && ControlText(candidate, 0xFFFF).size() > 0)
                    warning = candidate;
            ASSERT_TRUE(warning) << "no warning about the missing folder";
            PostMessageA(warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_TRUE(WaitUntilGone(warning));
        }
        // Cancelled: nothing saved, so the next Email reminds again.
        ASSERT_TRUE(dialog.Cancel());
        EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 1000));
    }
    EXPECT_FALSE(DirectoryExists(DataDirectory() + "Missing"));
    CloseDialog(window);
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, SavingOverAFileInUseFailsAndEmailStillKeepsThePath)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    HWND window = OpenDailyAnalysis(session, 0, 2005, 9, 12, TitleFor(kJane, 2005, 9, 12));
    ASSERT_TRUE(window);
    // Held open without sharing: the save cannot replace it. (A read-only
    // attribute would not do under Wine run as root, which writes anyway.)
    const std::string path = DataDirectory() + "Reports\\locked.jpg";
    ASSERT_TRUE(WriteFileBytes(path, "old"));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    PressButton(window, IDC_DAILY_SAVE);
    FileDialogDriver dialog(session.ProcessId(), "Save Report");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog.TypeFileName(path));
    PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // The dialog asks before replacing an existing file.
    HWND confirm = nullptr;
    WaitUntil(kWaitMs, [&] {
        for (HWND candidate : DialogsOf(session.ProcessId()))
            if (candidate != dialog.Handle() && candidate != window && GetDlgItem(candidate, IDYES))
                confirm = candidate;
        return confirm != nullptr;
    });
    ASSERT_TRUE(confirm) << "no overwrite question";
    PostMessageA(confirm, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    CloseHandle(held);
    ASSERT_TRUE(box);
    EXPECT_EQ(box.text, kNotSaved);
    AnswerMessageBox(box, IDOK);
    EXPECT_TRUE(ReadFileBytes(path) == "old");

    // The failed save still chose a file: Email does not ask again.
    PressButton(window, IDC_DAILY_EMAIL);
    EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 1000));
    CloseDialog(window);
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, ExplainWritesItsPagePairAndShowsIt)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    HWND window = OpenDailyAnalysis(session, 0, 2005, 9, 12, TitleFor(kJane, 2005, 9, 12));
    ASSERT_TRUE(window);
    PressButton(window, IDC_DAILY_EXPLAIN);
    HWND page = WaitForDialog(session.ProcessId(), " Daily Analysis - How To Use");
    ASSERT_TRUE(page);
    RECT bounds{};
    GetWindowRect(page, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 700);
    EXPECT_EQ(bounds.bottom - bounds.top, 480);
    CloseDialog(page);
    EXPECT_TRUE(WaitUntilGone(page));

    const std::string content = ReadFileBytes(DataDirectory() + "reading.htm");
    const char* const fixed[] = {
        "<tr><td><font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Daily Report Analysis Explained</b></font><p>"
        "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Zodiac Sign and Soul Number readings are explained "
        "in the Profiles section. After you create a profile and enter birthday information click on the Sign and "
        "Number buttons.</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>Day Reading falls into "
        "three categories: normal, good and bad. ",
        "</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>The fear of the Evil Eye is universal",
        "Someone put the Evil Eye on you.</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>Lottery "
        "numbers are unique daily lucky numbers.",
        "you wonder if you can trust your \"gut feeling\" or not.</b></font><p></td></tr><tr><td><A "
        "HREF=\"javascript:window.print()\">",
    };
    for (const char* piece : fixed)
        EXPECT_TRUE(Contains(content, piece)) << piece;
    const std::string closing = "</td></tr></table><p><br></center></body></html>";
    ASSERT_GE(content.size(), closing.size());
    EXPECT_EQ(content.substr(content.size() - closing.size()), closing);
    EXPECT_TRUE(Contains(ReadFileBytes(DataDirectory() + "effects.htm"),
                         "URL=C:\\Program Files\\Oracline\\reading.htm\""));
    CloseDialog(window);
    EXPECT_TRUE(session.Close());
}

TEST(DailyAnalysis, ARemovedProfileFileLeavesTheWindowWorking)
{
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    HWND window = OpenDailyAnalysis(session, 0, 2005, 9, 12, TitleFor(kJane, 2005, 9, 12));
    ASSERT_TRUE(window);
    ASSERT_TRUE(DeleteFileA(ProfilePath(kJane).c_str()));
    // The set is computed from the defaults: no name, but the day still moves.
    const std::pair<int, const char*> steps[] = {{IDC_DAILY_NEXT_DAY, "Daily Analysis - September 13, 2005 "},
                                                 {IDC_DAILY_PREV_DAY, "Daily Analysis - September 11, 2005 "},
                                                 {IDC_DAILY_NOW, "Daily Analysis - September 12, 2005 "}};
    for (const auto& step : steps) {
        PressButton(window, step.first);
        EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return TextOf(window).rfind(step.second, 0) == 0; }))
            << TextOf(window);
        EXPECT_FALSE(Contains(TextOf(window), "Jane Doe"));
    }
    EXPECT_EQ(SaveAs(session, window, DataDirectory() + "Reports\\nobody.jpg"), kSaved);
    CloseDialog(window);
    EXPECT_TRUE(WaitUntilGone(window));
    EXPECT_TRUE(session.Close());
}
