// The main window: the first start, the list, the selection rules, the date
// lists and the Quick Tip hints with their focus.
#include "driver/MainWindowDriver.h"
#include "res/MainWindowIds.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace e2e;

namespace {

const char* const kAddProfileTip = "Click on the Add Profile button to create your unique profile.";
const char* const kAnalyzeTip = "Click on the Analyze Day button to get your full Daily Analysis.";
const char* const kDreamsTip = "Click on the Analyze Day button or click on the Dreams button.";
const char* const kCompanionTip =
    "Click on the Companion button to get full Companion Analysis: business, friendship and love.";
const char* const kOnlyTwoTip = "Select only 2 (two) profiles to get full Companion Analysis.";

// "AEDYSO-RH": Add, Edit, Delete, analYze, Schedule, Open report,
// Companion, dReams, Help.
const char* const kOneRowToday = "AEDYSO-RH";
const char* const kNothingToAct = "A----O--H";

const std::vector<TestProfile> kThree = {
    {"Jane Doe", "Me", 5, 4, 1970},
    {"John Smith", "Work", 11, 30, 1965, true},
    {"Ann Lee", "Friend", 2, 29, 1984},
};

} // namespace

TEST(MainWindow, FirstStartShowsTheIntroductionThenAnEmptyList)
{
    MainWindowSession session({}, "", false);
    HWND intro = WaitForDialog(session.ProcessId(), kIntroductionCaption);
    ASSERT_TRUE(intro) << "no introduction page";
    EXPECT_TRUE(FileExists(DataDirectory() + "effects.htm"));
    EXPECT_TRUE(FileExists(DataDirectory() + "reading.htm"));
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
    EXPECT_EQ(session.List().RowCount(), 0);
    EXPECT_EQ(session.EnabledButtons(), kNothingToAct);
    EXPECT_TRUE(session.TipSays(kAddProfileTip));
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);
    HWND tip = WaitForDialog(session.ProcessId(), "Quick Tip", 2000);
    ASSERT_TRUE(tip);
    HWND tipView = GetWindow(Control(tip, 1003), GW_CHILD);
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return CaptureClient(tipView).Count(RGB(255, 255, 0)) > 50; }));
    ASSERT_TRUE(session.Close());
}

TEST(MainWindow, RowsDatesAndSelectionDecideWhichTasksAct)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    ListViewDriver list = session.List();
    ASSERT_EQ(list.RowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.CellText(row, 0), kThree[row].fullName);
        EXPECT_EQ(list.CellText(row, 1), kThree[row].description);
        EXPECT_EQ(list.CellText(row, 2), kThree[row].manual ? "Manual" : "Automatic");
    }
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});

    // Today, in year lists from ten years ahead down to 1900.
    const std::time_t now = std::time(nullptr);
    const std::tm today = *std::localtime(&now);
    const int thisYear = today.tm_year + 1900;
    EXPECT_EQ(session.Year().ItemText(0), std::to_string(thisYear + 10));
    EXPECT_EQ(session.Year().Count(), thisYear + 10 - 1900 + 1);
    EXPECT_EQ(session.Year().ItemText(session.Year().Count() - 1), "1900");
    EXPECT_EQ(session.Year().SelectedText(), std::to_string(thisYear));
    EXPECT_EQ(session.Month().Count(), 12);
    EXPECT_EQ(session.Month().SelectedText(), std::to_string(today.tm_mon + 1));
    EXPECT_EQ(session.Day().SelectedText(), std::to_string(today.tm_mday));

    struct Click {
        const char* what;
        int row;  // -1: empty space, -2: no click
        bool control;
        std::vector<int> selected;
        const char* buttons;
        const char* tip;
        int focus;
    };
    const Click clicks[] = {
        {"as opened", -2, false, {0}, kOneRowToday, kDreamsTip, IDC_DREAMS},
        {"second row", 1, false, {1}, kOneRowToday, kDreamsTip, IDC_DREAMS},
        {"third row with Ctrl", 2, true, {1, 2}, "A-----C-H", kCompanionTip, IDC_COMPANION},
        {"first row with Ctrl", 0, true, {0, 1, 2}, "A-------H", kOnlyTwoTip, IDC_HELP_BUTTON},
        // The empty-space click only brings the first selected row back.
        {"empty space", -1, false, {0}, "A-------H", kOnlyTwoTip, 0},
        {"third row", 2, false, {2}, kOneRowToday, kDreamsTip, IDC_DREAMS},
        {"empty space again", -1, false, {2}, kOneRowToday, kDreamsTip, 0},
    };
    for (const Click& click : clicks) {
        SCOPED_TRACE(click.what);
        if (click.row == -1)
            list.ClickEmptySpace();
        else if (click.row >= 0)
            list.ClickRow(click.row, click.control);
        session.Settle();
        EXPECT_EQ(list.SelectedRows(), click.selected);
        EXPECT_EQ(session.EnabledButtons(), click.buttons);
        EXPECT_TRUE(session.TipSays(click.tip)) << session.TipPage();
        if (click.focus) {
            EXPECT_EQ(session.FocusedControlId(), click.focus);
        }
    }

    // Dreams act up to today; Analyze Day on any date.
    const std::pair<int, bool> years[] = {{thisYear + 1, false}, {thisYear, true}, {thisYear - 1, true}};
    for (const auto& year : years) {
        SCOPED_TRACE(year.first);
        ASSERT_TRUE(session.Year().ChooseText(std::to_string(year.first)));
        session.Settle();
        EXPECT_EQ(session.Enabled(IDC_DREAMS), year.second);
        EXPECT_TRUE(session.Enabled(IDOK));
        EXPECT_TRUE(session.TipSays(year.second ? kDreamsTip : kAnalyzeTip));
        EXPECT_EQ(session.FocusedControlId(), year.second ? IDC_DREAMS : IDOK);
    }
    // Tomorrow is already too late for a dream.
    ASSERT_TRUE(session.ChooseDate(thisYear, 12, 31));
    EXPECT_EQ(session.Enabled(IDC_DREAMS), today.tm_mon == 11 && today.tm_mday == 31);

    struct Step {
        const char* year;  // nullptr: leave as is
        const char* month;
        const char* day;
        int days;
        const char* selectedDay;
    };
    const Step steps[] = {
        {"2004", "1", "31", 31, "31"},
        {nullptr, "4", nullptr, 30, "30"},  // day 31, then April: April 30
        {nullptr, "2", nullptr, 29, "29"},  // 2004 is a leap year
        {"2003", nullptr, nullptr, 28, "28"},
        {"1900", nullptr, nullptr, 29, "28"},  // every fourth year has 29, 1900 too
        {nullptr, "3", "15", 31, "15"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.year ? step.year : "-") + "/" + (step.month ? step.month : "-"));
        for (const auto& choice : {std::make_pair(session.Year(), step.year),
                                   std::make_pair(session.Month(), step.month),
                                   std::make_pair(session.Day(), step.day)})
            if (choice.second) {
                ASSERT_TRUE(choice.first.ChooseText(choice.second));
            }
        EXPECT_EQ(session.Day().Count(), step.days);
        EXPECT_EQ(session.Day().SelectedText(), step.selectedDay);
    }
}

TEST(MainWindow, ASecondStartBringsTheFirstToTheFrontAndEnds)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    ShowWindow(session.Window(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil(kWaitMs, [&] { return IsIconic(session.Window()) != 0; }));

    ProgramRun second;
    ASSERT_TRUE(second.WaitForExit()) << "a second main window opened";
    EXPECT_TRUE(WaitUntil(kWaitMs, [&] { return !IsIconic(session.Window()); }));
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
    EXPECT_EQ(foregroundProcess, session.ProcessId());
    ASSERT_TRUE(session.Close());
}
