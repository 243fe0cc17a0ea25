// The Daily Analysis window in one start of the program (each start costs
// seconds under Wine), one test per subject: navigation and the buttons it
// leaves usable, pages and letter keys, the hourly windows, printing read
// back as pictures of the page, the Monthly Outlook, saving through the real
// Save As dialog, mailing through the recording mapi32.dll, a profile file
// removed underneath, and what a screen reader gets from each window, walked
// from this process through the system's accessibility interface (Mail
// Settings' fields are MailServerComposer's). CMake runs the suite in one process, in this
// order; each test starts from the day it needs.
#include "driver/Driver.h"
#include "res/ContactDialogIds.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/EmailDialogIds.h"
#include "res/HourlyWindowIds.h"
#include "res/MonthlyOutlookIds.h"
#include "res/PageWindowIds.h"
#include "res/PrintOptionsIds.h"
#include "res/QuickResizeIds.h"
#include "win/SystemFolder.h"

#include <algorithm>
#include <cstdlib>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 3, 2, 1950};
const char* const kOptionsCaption = "Print: hourly.jpg";
const std::string kHourlyImage = PagesDirectory() + "hourly.jpg";
bool Colourful(COLORREF p)
{
    const int r = GetRValue(p), g = GetGValue(p), b = GetBValue(p);
    return p != CLR_INVALID && std::max({r, g, b}) - std::min({r, g, b}) > 48;
}

// Prev, noW, Next, the hourly E P B I F and S, pRint, eMail, Save, eXplain.
std::string ButtonStates(HWND window)
{
    return EnabledLetters(window, {{IDC_DAILY_PREV_DAY, 'p'}, {IDC_DAILY_NOW, 'w'}, {IDC_DAILY_NEXT_DAY, 'n'},
                                   {IDC_DAILY_EMOTIONAL, 'E'}, {IDC_DAILY_PHYSICAL, 'P'}, {IDC_DAILY_INTELLECTUAL, 'B'}, {IDC_DAILY_INTUITION, 'I'},
                                   {IDC_DAILY_FORTUNE, 'F'}, {IDC_DAILY_SUPERSTITION, 'S'}, {IDOK, 'r'},
                                   {IDC_DAILY_EMAIL, 'm'}, {IDC_DAILY_SAVE, 's'}, {IDC_DAILY_EXPLAIN, 'x'}});
}

// Presses a button that opens a page window and returns the window once the
// browser fills it inside its frame, down to the bottom.
HWND OpenPage(DailySession& session, int button, const std::string& caption)
{
    PressButton(session.Daily(), button);
    HWND page = WaitForDialog(session.ProcessId(), caption);
    EXPECT_TRUE(page) << "no page " << caption;
    const RECT client = ClientOf(page), browser = FrameOf(Control(page, IDC_BROWSER));
    EXPECT_EQ(std::make_pair(browser.right - browser.left, browser.bottom - browser.top), std::make_pair(client.right, client.bottom));
    return page;
}

// The elements named `name`, with their values.
std::vector<std::string> ValuesOf(const std::vector<AccessibleNode>& tree, const std::string& name)
{
    std::vector<std::string> values;
    for (const AccessibleNode& node : tree)
        if (node.name == name)
            values.push_back(node.value);
    return values;
}
bool Holds(const std::vector<AccessibleNode>& tree, const std::string& name) { return !ValuesOf(tree, name).empty(); }


// One session for the suite: the last day of a 31-day month, so Next Day
// crosses into the next month. The print dialog needs a printer to offer;
// the test one never reaches paper.
class DailyAnalysis : public SharedSession<DailyAnalysis, DailySession> {
protected:
    static void SetUpTestSuite()
    {
        printer_ = InstallTestPrinter();
        PrepareMailRecord();
        session_ = new DailySession(kJane, {2005, 8, 31});
    }
    void SetUp() override
    {
        ASSERT_EQ(printer_, "");
        window = session_->Daily();
        ASSERT_TRUE(window) << "no Daily Analysis window with the engine's title";
    }
    // Back to the opening day, August 31.
    void ShowOpeningDay() const
    {
        PressButton(window, IDC_DAILY_NOW);
        ASSERT_TRUE(WaitForCaption(window, session_->DailyTitle())) << TextOf(window);
    }

    static inline std::string printer_;
    HWND window = nullptr;
};

} // namespace

TEST_F(DailyAnalysis, TheSuperstitionFollowsTheDayAndItsPrintLinkTakesTheKeys)
{
    ShowOpeningDay();
    PressButton(window, IDC_DAILY_NEXT_DAY);
    ASSERT_TRUE(WaitForCaption(window, session_->TitleOn({2005, 9, 1}))) << TextOf(window);
    // The window shows what the navigation rules (unit-tested) decide.
    EXPECT_EQ(ButtonStates(window), "pw------Srmsx");
    // A screen reader gets the day shown: its title and a reading with the
    // value the bars show (the order and wording of what is spoken are the
    // unit tests'), the sign glyphs by name, and no decoration with a name.
    const std::vector<AccessibleNode> tree = AccessibleTree(window);
    SCOPED_TRACE(TreeText(tree));
    EXPECT_TRUE(Holds(tree, session_->TitleOn({2005, 9, 1})));
    EXPECT_EQ(ValuesOf(tree, "Physical"), std::vector<std::string>{std::to_string(DailySetOf(session_->ProfilePath(), {2005, 9, 1}).Physical) + "%"});
    for (const char* sign : {"Aries", "Leo", "Pisces"})
        EXPECT_TRUE(Holds(tree, sign)) << sign;
    EXPECT_EQ(std::count_if(tree.begin(), tree.end(), [](const AccessibleNode& node) { return node.invisible && node.name.empty(); }), 10);
    // The superstition follows the day shown: September 1 has the kiss saying.
    HWND page = OpenPage(*session_, IDC_DAILY_SUPERSTITION, " Daily Superstition");
    ASSERT_TRUE(page && PageFile("super_r.htm").find("<b>kiss<p>") != std::string::npos);
    // The page view's Print link: the grey page comes out as black text on white.
    HWND view = GetWindow(Control(page, IDC_BROWSER), GW_CHILD);
    RECT link{};
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] {
        link = BoxOf(CaptureClient(view), [](COLORREF p) { return p == RGB(0, 0, 128); });
        return link.right >= link.left;
    })) << "no navy Print link on the page";
    // Reached with the keys, as the mouse reaches it: Tab to the page, Enter.
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] {
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(view, nullptr), &focus) && focus.hwndFocus == view)
            return true;
        RealInput("key Tab");
        return false;
    })) << "Tab never reached the page";
    RealInput("key Return");
    ASSERT_TRUE(AnswerPrintDialog(session_->ProcessId(), IDOK));
    auto paper = PrintedPage();
    ASSERT_TRUE(paper.Loaded()) << "no printed page came back";
    const RECT ink = BoxOf(paper, [](COLORREF p) { return Near(p, RGB(0, 0, 0), 60); });
    const RECT rest = BoxOf(paper, Colourful);
    EXPECT_GT(ink.right - ink.left, 300) << "the superstition's text";
    EXPECT_LT(rest.right, rest.left) << "no colour on paper";
    const auto grey = std::count_if(paper.pixels.begin(), paper.pixels.end(), [](COLORREF p) { return Near(p, RGB(128, 128, 128), 6); });
    EXPECT_LT(grey, paper.Width() * paper.Height() / 100) << "no grey background on paper";
    EXPECT_TRUE(CloseAndWait(page));
}

TEST_F(DailyAnalysis, LetterKeysAndEveryHourlyWindowWithF2)
{
    PressButton(window, IDC_DAILY_NOW);
    EXPECT_TRUE(WaitForCaption(window, session_->DailyTitle())) << TextOf(window);
    // The letter on a button, pressed on the keyboard, acts as the button.
    RealInput("key e");
    HWND hourly = WaitForDialogWhere(session_->ProcessId(), [](HWND dialog) {
        return TextOf(dialog).find("Reading - Emotional") != std::string::npos;
    });
    EXPECT_TRUE(hourly && CloseAndWait(hourly));
    EXPECT_TRUE(CloseAndWait(OpenPage(*session_, IDC_DAILY_EXPLAIN, " Daily Analysis - How To Use")));

    // Every reading opens its hourly window; F2 saves the image and starts a
    // print each time; closing leaves no image behind, not even a stale one.
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        hourly = session_->OpenHourly(kind);
        ASSERT_TRUE(hourly) << "no hourly window with the engine's title";
        if (kind == 1) {  // each hour's value as drawn is the unit tests'; here an hour reads at all
            const std::vector<AccessibleNode> tree = AccessibleTree(hourly);
            const std::vector<std::string> noon = ValuesOf(tree, "12");
            EXPECT_TRUE(Holds(tree, TextOf(hourly)) && noon.size() == 1 && std::atoi(noon[0].c_str()) > 0) << TreeText(tree);
        }
        for (int press = 1; kind == 3 && press <= 2; ++press) {
            // A stale file shows whether the second press really replaces it.
            ASSERT_TRUE(press == 1 || WriteFileBytes(kHourlyImage, "stale"));
            PressKey(hourly, VK_F2);
            HWND print = WaitForDialog(session_->ProcessId(), "Print");
            ASSERT_TRUE(print) << "F2 did not reach Print";
            EXPECT_TRUE(DecodeImage(kHourlyImage).Loaded());
            ASSERT_TRUE(CloseAndWait(print));
            // Cancelling the print dialog ends the print: no options follow.
            EXPECT_FALSE(WaitForDialog(session_->ProcessId(), kOptionsCaption, 300));
        }
        if (kind == 5) {
            ASSERT_TRUE(WriteFileBytes(kHourlyImage, "left over"));
            SetFileAttributesA(kHourlyImage.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        ASSERT_TRUE(CloseAndWait(hourly));
        EXPECT_FALSE(FileExists(kHourlyImage));
        EXPECT_TRUE(WaitForCaption(window, session_->DailyTitle()));
    }
}

TEST_F(DailyAnalysis, TheReportPrintsInBlackWithoutOptions)
{
    ShowOpeningDay();
    // The daily report goes straight onto the page, in black (where its bars
    // stand on paper is the drawing's golden listing).
    PressButton(window, IDOK);
    ASSERT_TRUE(AnswerPrintDialog(session_->ProcessId(), IDOK));
    auto printed = PrintedPage();
    ASSERT_TRUE(printed.Loaded()) << "no printed page came back";
    const RECT coloured = BoxOf(printed, Colourful);
    EXPECT_LT(coloured.right, coloured.left) << "the paper report is black only";
    EXPECT_FALSE(WaitForDialog(session_->ProcessId(), kOptionsCaption, 200));
}

TEST_F(DailyAnalysis, TheHourlyImagePrintsThroughPrintOptions)
{
    HWND hourly = nullptr, print = nullptr, options = nullptr;
    // The hourly image goes through the Print Options dialog. Spoiled between
    // its saving and its loading for the page, it prints as an empty page,
    // without options. (Before the other hourly jobs: under Wine a job after
    // one given up with AbortDoc may carry the tail of an older job.)
    ASSERT_TRUE(hourly = session_->OpenHourly(1));
    PressKey(hourly, VK_F2);
    ASSERT_TRUE(print = WaitForDialog(session_->ProcessId(), "Print"));
    ASSERT_TRUE(WriteFileBytes(kHourlyImage, "not a picture"));
    PressButton(print, IDOK);
    ASSERT_TRUE(WaitUntilGone(print));
    EXPECT_FALSE(WaitForDialog(session_->ProcessId(), kOptionsCaption, 500));
    auto blank = PrintedPage();
    ASSERT_TRUE(blank.Loaded()) << "no page came out";
    const RECT marks = BoxOf(blank, [](COLORREF p) { return !Near(p, RGB(255, 255, 255), 8); });
    EXPECT_LT(marks.right, marks.left);

    // The printable area starts a quarter inch into the paper: that corner
    // is the drawing's origin, and the 4 x 6 photo goes 0.17 inch in from it
    // (the other placements are the layout's own arithmetic).
    PressButton(hourly, IDC_HOURLY_PRINT);
    ASSERT_TRUE(AnswerPrintDialog(session_->ProcessId(), IDOK));
    ASSERT_TRUE(options = WaitForDialog(session_->ProcessId(), kOptionsCaption));
    // The device's resolution reaches the dialog.
    EXPECT_EQ(ControlText(options, IDC_PRINT_RESOLUTION), "300 X 300");
    SendMessageA(Control(options, IDC_PRINT_PHOTO_4X6), BM_CLICK, 0, 0);
    PressButton(options, IDOK);
    const MessageBoxSeen question = WaitForMessageBox(session_->ProcessId());
    EXPECT_TRUE(question.hasYesNo);
    AnswerMessageBox(question, IDYES);
    auto photo = PrintedPage();
    ASSERT_TRUE(photo.Loaded()) << "no printed page came back";
    const RECT placed = BoxOf(photo, [](COLORREF p) { return Near(p, RGB(128, 128, 128), 24); });
    const auto dots = [](float inches) { return static_cast<int>(inches * kPrintDotsPerInch + 0.5f); };
    EXPECT_NEAR(placed.left, dots(0.42f), 3);
    EXPECT_NEAR(placed.top, dots(0.42f), 3);
    ASSERT_TRUE(CloseAndWait(hourly));
}

TEST_F(DailyAnalysis, TheMonthlyOutlookDrawsSavesAndChoosesADay)
{
    ShowOpeningDay();
    // M opens the Monthly Outlook of the day shown, drawn on the screen with
    // every reading's colour in the plot.
    const std::string heading = "Daily Analysis - ";
    PressKey(window, 'M');
    HWND outlook = WaitForDialog(session_->ProcessId(), "Monthly Outlook - " + session_->DailyTitle().substr(heading.size()));
    ASSERT_TRUE(outlook) << "no Monthly Outlook window with the daily caption";
    Picture shot;
    for (COLORREF colour : {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0)})
        EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return (shot = CaptureClient(outlook)).Count(colour) > 100; })) << colour;
    const std::string path = ReportsDirectory() + "month.jpg";
    PressButton(outlook, IDC_MONTHLY_SAVE);
    ASSERT_TRUE(EnterFileName(WaitForDialog(session_->ProcessId(), "Save Monthly Outlook"), path));
    EXPECT_EQ(AnswerMessage(session_->ProcessId()), "Your Monthly Outlook was saved successfully.     ");
    EXPECT_TRUE(IsJpeg(ReadFileBytes(path))) << path;
    // A day chosen with Right and Enter is read to a screen reader, then
    // shown in the Daily Analysis.
    EXPECT_TRUE(Holds(AccessibleTree(outlook), "August 31, 2005"));
    PressKey(outlook, VK_RIGHT);
    EXPECT_TRUE(WaitUntil(3000, [&] { return Holds(AccessibleTree(outlook), "September 1, 2005"); }));
    PressKey(outlook, VK_RETURN);
    EXPECT_TRUE(WaitUntilGone(outlook) && WaitForCaption(window, session_->TitleOn({2005, 9, 1}))) << TextOf(window);
}

TEST_F(DailyAnalysis, SavingOverAHeldFileFailsAndEmailSavesFirst)
{
    // Saving the report over a file held open without sharing fails. (A
    // read-only attribute would not do under Wine run as root, which writes
    // anyway.)
    const std::string locked = ReportsDirectory() + "locked.jpg";
    ASSERT_TRUE(WriteFileBytes(locked, "old"));
    HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PressButton(window, IDC_DAILY_SAVE);
    HWND dialog = WaitForDialog(session_->ProcessId(), "Save Report");
    EXPECT_FALSE(EnterFileName(dialog, locked, 0));
    // The dialog asks before replacing an existing file.
    HWND confirm = WaitForDialogWhere(session_->ProcessId(), [&](HWND candidate) {
        return candidate != dialog && candidate != window && GetDlgItem(candidate, IDYES);
    });
    ASSERT_TRUE(confirm) << "no overwrite question";
    PressButton(confirm, IDYES);
    EXPECT_EQ(AnswerMessage(session_->ProcessId()), "Unable to save Daily Report.    ");
    CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(locked), "old");

    // A failed save is no saved report: Email reminds and saves, a name typed
    // without an extension getting ".jpg", then goes on to the composer.
    EXPECT_EQ(EmailSavingFirst(session_->ProcessId(), window, ReportsDirectory() + "day"),
              "Please save Daily Report first.     |Your Daily Report was saved successfully.     ");
    const std::string report = ReportsDirectory() + "day.jpg";
    EXPECT_TRUE(IsJpeg(ReadFileBytes(report))) << report;
    HWND composer = WaitForDialog(session_->ProcessId(), "Email");
    ASSERT_TRUE(composer);
    EXPECT_EQ(ControlText(composer, IDC_EMAIL_FILE_NAME) + " " + ControlText(composer, IDC_EMAIL_SIZE) + " " +
                  ControlText(composer, IDC_EMAIL_RESOLUTION), "day.jpg " + std::to_string(ReadFileBytes(report).size() / 1024) + "KB 780 x 550");
    PressButton(composer, IDC_EMAIL_ADD_CONTACT);
    HWND contact = WaitForDialog(session_->ProcessId(), "Contact Information");
    ASSERT_TRUE(contact);
    SetControlTexts(contact, {{IDC_CONTACT_NAME, "Ann"}, {IDC_CONTACT_EMAIL, "ann@x.org"}});
    PressButton(contact, IDOK);
    ASSERT_TRUE(WaitUntilGone(contact));
    ASSERT_TRUE(CloseAndWait(composer));
}

TEST_F(DailyAnalysis, MailGoesThroughSystemMapiAndALargeReportAsAResizedCopy)
{
    const std::string report = ReportsDirectory() + "day.jpg";
    ASSERT_TRUE(FileExists(report)) << "saved by the test before";
    HWND composer = nullptr;
    // Saved once, Email goes to the composer at once; the contact comes back
    // selected, ready for "<<----".
    PressButton(window, IDC_DAILY_EMAIL);
    ASSERT_TRUE(composer = WaitForDialog(session_->ProcessId(), "Email"));
    SetControlText(composer, IDC_EMAIL_TO, "a@b.org;c@d");
    PressButton(composer, IDC_EMAIL_ADD_TO);
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return ControlText(composer, IDC_EMAIL_TO) == "a@b.org;c@d;ann@x.org"; }));
    SetControlTexts(composer, {{IDC_EMAIL_SUBJECT, "Today"}, {IDC_EMAIL_MESSAGE, "Daily Report"}});
    PressButton(composer, IDOK);
    EXPECT_TRUE(WaitUntilGone(composer));
    EXPECT_EQ(AnswerMessage(session_->ProcessId(), IDOK, 1000), "");
    const std::vector<std::string> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    // From the System32 library, not the one beside Oracline.exe; a logon
    // allowed, no compose window; a place for the attachment after the text.
    ASSERT_TRUE(FileExists(BesideTestExe("mapi32.dll")));
    EXPECT_EQ(mails[0], "library\t" + SystemFilePath("mapi32.dll") +
                            "\nflags\t1\nowner\tyes\nsubject\tToday\nnote\tDaily Report \noriginator\t0\t(null)\t(null)\n"
                            "recipient\t1\ta@b.org\tSMTP:a@b.org\nrecipient\t1\tc@d\tSMTP:c@d\nrecipient\t1\tann@x.org\tSMTP:ann@x.org\n"
                            "attachment\t" + report + "\tday.jpg\t12\n");

    // A large report (the composer reads its size afresh and asks) is sent as
    // a private half-size copy, named after it and removed after sending.
    ASSERT_TRUE(WritePlainJpeg(report, 1026, 20, RGB(128, 128, 128)));
    PressButton(window, IDC_DAILY_EMAIL);
    ASSERT_TRUE(composer = WaitForDialog(session_->ProcessId(), "Email"));
    SetControlTexts(composer, {{IDC_EMAIL_TO, "a@b.org"}, {IDC_EMAIL_SUBJECT, "Big"}});
    PressButton(composer, IDOK);
    const MessageBoxSeen question = WaitForMessageBox(session_->ProcessId());
    ASSERT_TRUE(question.hasYesNo);
    AnswerMessageBox(question, IDYES);
    HWND resize = WaitForDialog(session_->ProcessId(), "Quick Resize: day.jpg");
    ASSERT_TRUE(resize);
    PressButton(resize, IDC_QUICK_RESIZE_SWITCH);
    ComboDriver scale(resize, IDC_QUICK_RESIZE_SCALE);
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return scale.Count() == 100; }));
    ASSERT_TRUE(scale.ChooseText("50%"));
    PressButton(resize, IDOK);
    ASSERT_TRUE(WaitUntilGone(composer));
    ASSERT_TRUE(WaitUntil(kWaitMs, [] { return ReadMailRecord().size() == 2; }));
    const std::string sent = MailItem(ReadMailRecord().back(), "attachment");
    EXPECT_EQ(sent.find(DataDirectory()), std::string::npos) << sent;
    EXPECT_NE(sent.find("\t_T_day.jpg\t"), std::string::npos) << sent;
    const Picture copy = DecodeImage(AttachmentCopy(2));
    EXPECT_EQ(std::to_string(copy.Width()) + " x " + std::to_string(copy.Height()), "513 x 10");
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return !FileExists(sent.substr(0, sent.find('\t'))); }));
}

TEST_F(DailyAnalysis, WithoutItsProfileFileTheDayStillMoves)
{
    // The window reads the file afresh for each day: without it the set is
    // the default person's (whose title the engine's unit test pins).
    ASSERT_TRUE(DeleteFileA(session_->ProfilePath().c_str()));
    PressButton(window, IDC_DAILY_NOW);
    EXPECT_TRUE(WaitForCaption(window, "Daily Analysis - August 31, 2005  -  -  Automatic Calibration")) << TextOf(window);
    EXPECT_TRUE(CloseAndWait(window));
    EXPECT_TRUE(session_->Main().Close());
}
