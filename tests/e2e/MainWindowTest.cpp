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

std::tm Today()
{
    std::time_t now = std::time(nullptr);
    return *std::localtime(&now);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

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
    CloseDialog(intro);

    ASSERT_TRUE(session.WaitForMainWindow());
    EXPECT_EQ(session.List().RowCount(), 0);
    EXPECT_EQ(session.EnabledButtons(), kNothingToAct);
    EXPECT_TRUE(Contains(session.TipPage(), kAddProfileTip));
    EXPECT_EQ(session.FocusedControlId(), IDC_ADD_PROFILE);
    EXPECT_TRUE(WaitForDialog(session.ProcessId(), "Quick Tip", 2000));
    EXPECT_EQ(ControlText(session.Window(), IDC_DATE_LABEL), "Analyze Date:");
    EXPECT_EQ(ControlText(session.Window(), IDC_DATE_HINT),
              "Select any date from your past, present or future.");
    ASSERT_TRUE(session.Close());
}

TEST(MainWindow, OpensOnTodayWithYearsFromTenAheadDownTo1900)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    std::tm today = Today();
    int top = today.tm_year + 1900 + 10;
    EXPECT_EQ(session.Year().ItemText(0), std::to_string(top));
    EXPECT_EQ(session.Year().Count(), top - 1900 + 1);
    EXPECT_EQ(session.Year().ItemText(session.Year().Count() - 1), "1900");
    EXPECT_EQ(session.Year().SelectedText(), std::to_string(today.tm_year + 1900));
    EXPECT_EQ(session.Month().Count(), 12);
    EXPECT_EQ(session.Month().SelectedText(), std::to_string(today.tm_mon + 1));
    EXPECT_EQ(session.Day().SelectedText(), std::to_string(today.tm_mday));
}

TEST(MainWindow, ShowsTheIndexRowsInFileOrderWithTheFirstSelected)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    ListViewDriver list = session.List();
    ASSERT_EQ(list.RowCount(), 3);
    const char* const expected[3][3] = {{"Jane Doe", "Me", "Automatic"},
                                        {"John Smith", "Work", "Manual"},
                                        {"Ann Lee", "Friend", "Automatic"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(list.CellText(row, column), expected[row][column]) << row << "," << column;
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(session.EnabledButtons(), kOneRowToday);
    EXPECT_TRUE(Contains(session.TipPage(), kDreamsTip));
    EXPECT_EQ(session.FocusedControlId(), IDC_DREAMS);
}

TEST(MainWindow, SelectionDecidesWhichTasksAct)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    ListViewDriver list = session.List();

    struct Step {
        const char* what;
        int row;        // -1: empty space
        bool control;
        std::vector<int> selected;
        const char* buttons;
        const char* tip;
        int focus;
    };
    const Step steps[] = {
        {"second row", 1, false, {1}, kOneRowToday, kDreamsTip, IDC_DREAMS},
        {"third row with Ctrl", 2, true, {1, 2}, "A-----C-H", kCompanionTip, IDC_COMPANION},
        {"first row with Ctrl", 0, true, {0, 1, 2}, "A-------H", kOnlyTwoTip, IDC_HELP_BUTTON},
        // The empty-space click only brings the first selected row back.
        {"empty space", -1, false, {0}, "A-------H", kOnlyTwoTip, IDC_HELP_BUTTON},
        {"third row", 2, false, {2}, kOneRowToday, kDreamsTip, IDC_DREAMS},
        {"empty space again", -1, false, {2}, kOneRowToday, kDreamsTip, IDC_DREAMS},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.row < 0)
            list.ClickEmptySpace();
        else
            list.ClickRow(step.row, step.control);
        session.Settle();
        EXPECT_EQ(list.SelectedRows(), step.selected);
        EXPECT_EQ(session.EnabledButtons(), step.buttons);
        EXPECT_TRUE(Contains(session.TipPage(), step.tip)) << session.TipPage();
        if (step.row >= 0) {
            EXPECT_EQ(session.FocusedControlId(), step.focus);
        }
    }
}

TEST(MainWindow, DayListFollowsMonthAndYear)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    struct Step {
        const char* year;   // nullptr: leave as is
        const char* month;
        const char* day;
        int days;
        const char* selectedDay;
    };
    const Step steps[] = {
        {"2004", "1", "31", 31, "31"},
        {nullptr, "4", nullptr, 30, "30"},   // day 31, then April: April 30
        {nullptr, "2", nullptr, 29, "29"},   // 2004 is a leap year
        {"2003", nullptr, nullptr, 28, "28"},
        {"1900", nullptr, nullptr, 29, "28"}, // every fourth year has 29, 1900 too
        {nullptr, "3", "15", 31, "15"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.year ? step.year : "-") + "/" + (step.month ? step.month : "-"));
        if (step.year) {
            ASSERT_TRUE(session.Year().ChooseText(step.year));
        }
        if (step.month) {
            ASSERT_TRUE(session.Month().ChooseText(step.month));
        }
        if (step.day) {
            ASSERT_TRUE(session.Day().ChooseText(step.day));
        }
        EXPECT_EQ(session.Day().Count(), step.days);
        EXPECT_EQ(session.Day().SelectedText(), step.selectedDay);
    }
}

TEST(MainWindow, DreamsActOnlyUpToToday)
{
    MainWindowSession session(DataFilesFor(kThree));
    ASSERT_TRUE(session.Window());
    std::tm today = Today();
    std::string thisYear = std::to_string(today.tm_year + 1900);
    struct Step {
        std::string year;
        bool dreams;
        const char* tip;
        int focus;
    };
    const Step steps[] = {
        {std::to_string(today.tm_year + 1900 + 1), false, kAnalyzeTip, IDOK},
        {thisYear, true, kDreamsTip, IDC_DREAMS},
        {std::to_string(today.tm_year + 1900 - 1), true, kDreamsTip, IDC_DREAMS},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.year);
        ASSERT_TRUE(session.Year().ChooseText(step.year));
        session.Settle();
        EXPECT_EQ(session.Enabled(IDC_DREAMS), step.dreams);
        EXPECT_TRUE(session.Enabled(IDOK));
        EXPECT_TRUE(Contains(session.TipPage(), step.tip));
        EXPECT_EQ(session.FocusedControlId(), step.focus);
    }
    // Tomorrow is already too late for a dream.
    ASSERT_TRUE(session.Year().ChooseText(thisYear));
    ASSERT_TRUE(session.Month().ChooseText("12"));
    ASSERT_TRUE(session.Day().ChooseText("31"));
    bool lastDayOfYear = today.tm_mon == 11 && today.tm_mday == 31;
    EXPECT_EQ(session.Enabled(IDC_DREAMS), lastDayOfYear);
}
