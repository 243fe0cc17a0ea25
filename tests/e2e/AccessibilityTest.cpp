// What a screen reader gets from the Daily Analysis, hourly and Monthly
// Outlook windows, walked from this process through the system's
// accessibility interface, one test per window (Mail Settings' fields are
// MailServerComposer's).
#include "driver/Driver.h"
#include "res/DailyAnalysisWindowIds.h"

#include <algorithm>
#include <cstdlib>

using namespace e2e;

namespace {

const TestProfile kJane{"Jane Doe", "Me", 3, 2, 1950};

// The elements named `name`, with their values.
std::vector<std::string> ValuesOf(const std::vector<AccessibleNode>& tree, const std::string& name)
{
    std::vector<std::string> values;
    for (const AccessibleNode& node : tree)
        if (node.name == name)
            values.push_back(node.value);
    return values;
}

bool Holds(const std::vector<AccessibleNode>& tree, const std::string& name)
{
    return !ValuesOf(tree, name).empty();
}

} // namespace

// One Daily Analysis for the suite, its window's tree walked afresh by each
// test; a failure prints the tree it walked.
class Accessibility : public SharedSession<Accessibility, DailySession> {
protected:
    static void SetUpTestSuite()
    {
        session_ = new DailySession(kJane, {2005, 9, 12});
    }
    void SetUp() override
    {
        ASSERT_TRUE(daily = session_->Daily());
    }
    HWND daily = nullptr;
    const DailyReadingSet set = DailySetOf(session_->ProfilePath(), {2005, 9, 12});
};

// The window's own title and a reading with the value the bars show (the
// order and wording of what is spoken are the unit tests'); the sign glyphs
// by name, and no decoration with a name. Another day renames the report.
TEST_F(Accessibility, TheReportReadsItsTitleReadingsAndLinesAndFollowsTheDay)
{
    const std::vector<AccessibleNode> tree = AccessibleTree(daily);
    SCOPED_TRACE(TreeText(tree));
    EXPECT_TRUE(Holds(tree, session_->DailyTitle()));
    EXPECT_EQ(ValuesOf(tree, "Physical"), std::vector<std::string>{std::to_string(set.Physical) + "%"});
    for (const char* sign : {"Aries", "Leo", "Pisces"})
        EXPECT_TRUE(Holds(tree, sign)) << sign;
    EXPECT_EQ(std::count_if(tree.begin(), tree.end(), [](const AccessibleNode& node) {
        return node.invisible && node.name.empty();
    }), 10);
    PressButton(daily, IDC_DAILY_NEXT_DAY);
    ASSERT_TRUE(WaitForCaption(daily, session_->TitleOn({2005, 9, 13})));
    EXPECT_TRUE(Holds(AccessibleTree(daily), session_->TitleOn({2005, 9, 13})));
    PressButton(daily, IDC_DAILY_NOW);
    ASSERT_TRUE(WaitForCaption(daily, session_->DailyTitle()));
}

// Each hour's value as drawn is the unit tests'; here an hour reads at all.
TEST_F(Accessibility, TheHourlyChartReadsItsTitleAndEachHoursValue)
{
    HWND hourly = session_->OpenHourly(1);
    ASSERT_TRUE(hourly);
    const std::vector<AccessibleNode> tree = AccessibleTree(hourly);
    SCOPED_TRACE(TreeText(tree));
    EXPECT_TRUE(Holds(tree, TextOf(hourly)));
    const std::vector<std::string> noon = ValuesOf(tree, "12");
    ASSERT_EQ(noon.size(), 1u);
    EXPECT_GT(std::atoi(noon[0].c_str()), 0);
    ASSERT_TRUE(CloseAndWait(hourly));
}

// The chosen day, which follows the keys (what is read for it is the unit
// tests').
TEST_F(Accessibility, TheMonthlyOutlookReadsTheChosenDay)
{
    PressKey(daily, 'M');
    HWND outlook = WaitForDialogWhere(session_->ProcessId(), [](HWND window) {
        return TextOf(window).compare(0, 18, "Monthly Outlook - ") == 0;
    });
    ASSERT_TRUE(outlook);
    const std::vector<AccessibleNode> tree = AccessibleTree(outlook);
    SCOPED_TRACE(TreeText(tree));
    EXPECT_TRUE(Holds(tree, "September 12, 2005"));
    PressKey(outlook, VK_RIGHT);
    EXPECT_TRUE(WaitUntil(3000, [&] { return Holds(AccessibleTree(outlook), "September 13, 2005"); }));
    ASSERT_TRUE(CloseAndWait(outlook));
}
