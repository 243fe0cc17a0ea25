// What a screen reader gets from the Daily Analysis, hourly and Monthly
// Outlook windows and from Mail Settings, walked from this process through
// the system's accessibility interface.
#include "driver/Driver.h"
#include "res/DailyAnalysisWindowIds.h"
#include "res/EmailDialogIds.h"
#include "res/MailSettingsIds.h"

#include <algorithm>
#include <cstdio>
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

std::vector<AccessibleNode> Walked(const char* what, HWND window)
{
    const std::vector<AccessibleNode> tree = AccessibleTree(window);
    std::printf("--- accessibility tree of the %s window\n%s", what, TreeText(tree).c_str());
    return tree;
}

} // namespace

TEST(Accessibility, ReadingsHourlyValuesTheChosenDayAndTheMailFieldsNames)
{
    DailySession session(kJane, 2005, 9, 12);
    HWND daily = session.Daily();
    ASSERT_TRUE(daily);
    const CliDailySet cli = CliDaily(session.ProfilePath(), "2005-09-12");
    ASSERT_TRUE(cli.ok);

    // The title, each reading with its value as the bars show it, the five
    // lines; the sign glyphs by name, and no decoration with a name.
    std::vector<AccessibleNode> tree = Walked("Daily Analysis", daily);
    EXPECT_TRUE(Holds(tree, session.DailyTitle()));
    const char* const readings[] = {"Emotional", "Physical", "Intellectual", "Intuition", "Fortune"};
    for (int i = 0; i < 5; ++i) {
        const int shown = cli.readings[i] <= 0 ? 3 : (cli.readings[i] >= 100 ? 99 : cli.readings[i]);
        EXPECT_EQ(ValuesOf(tree, readings[i]), std::vector<std::string>{std::to_string(shown) + "%"}) << readings[i];
    }
    for (const char* start : {"Lottery", "Zodiac", "Soul", "Day", "Evil"})
        EXPECT_TRUE(std::any_of(tree.begin(), tree.end(), [&](const AccessibleNode& node) {
            return node.name.compare(0, std::string(start).size(), start) == 0;
        })) << start;
    for (const char* sign : {"Aries", "Leo", "Pisces"})
        EXPECT_TRUE(Holds(tree, sign)) << sign;
    const int invisible = static_cast<int>(std::count_if(tree.begin(), tree.end(), [](const AccessibleNode& node) {
        return node.invisible && node.name.empty();
    }));
    EXPECT_EQ(invisible, 10);

    // Another day renames the report; its words follow.
    PressButton(daily, IDC_DAILY_NEXT_DAY);
    ASSERT_TRUE(WaitForCaption(daily, session.TitleOn(2005, 9, 13)));
    EXPECT_TRUE(Holds(AccessibleTree(daily), session.TitleOn(2005, 9, 13)));
    PressButton(daily, IDC_DAILY_NOW);
    ASSERT_TRUE(WaitForCaption(daily, session.DailyTitle()));

    // The hourly chart: its title and each hour's value.
    HWND hourly = session.OpenHourly(1);
    ASSERT_TRUE(hourly);
    tree = Walked("hourly", hourly);
    EXPECT_TRUE(Holds(tree, TextOf(hourly)));
    for (const char* hour : {"00", "12", "24"}) {
        const std::vector<std::string> values = ValuesOf(tree, hour);
        ASSERT_EQ(values.size(), 1u) << hour;
        EXPECT_GT(std::atoi(values[0].c_str()), 0) << hour;
    }
    ASSERT_TRUE(CloseAndWait(hourly));

    // The Monthly Outlook: the chosen day's values and Day Reading, which
    // follow the day chosen with the keys.
    PressKey(daily, 'M');
    HWND outlook = WaitForDialogWhere(session.ProcessId(), [](HWND window) {
        return TextOf(window).compare(0, 18, "Monthly Outlook - ") == 0;
    });
    ASSERT_TRUE(outlook);
    tree = Walked("Monthly Outlook", outlook);
    EXPECT_TRUE(Holds(tree, "September 12, 2005"));
    EXPECT_EQ(ValuesOf(tree, "Emotional"), std::vector<std::string>{std::to_string(cli.readings[0]) + "%"});
    EXPECT_EQ(ValuesOf(tree, "Day Reading").size(), 1u);
    PressKey(outlook, VK_RIGHT);
    EXPECT_TRUE(WaitUntil(3000, [&] { return Holds(AccessibleTree(outlook), "September 13, 2005"); }));
    ASSERT_TRUE(CloseAndWait(outlook));

    // Mail Settings: every field by its label's text.
    PressButton(daily, IDC_DAILY_EMAIL);
    AnswerMessage(session.ProcessId(), IDOK, 2000);
    EnterFileName(WaitForDialog(session.ProcessId(), "Save Report"), ReportsDirectory() + "day.jpg");
    AnswerMessage(session.ProcessId());
    HWND settings = WaitForDialogWhere(session.ProcessId(), [](HWND window) {
        return TextOf(window) == "Mail Settings" || TextOf(window) == "Email";
    });
    ASSERT_TRUE(settings);
    HWND composer = nullptr;
    if (TextOf(settings) == "Email") {
        composer = settings;
        PressButton(composer, IDC_EMAIL_MAIL_SETTINGS);
        settings = WaitForDialog(session.ProcessId(), "Mail Settings");
        ASSERT_TRUE(settings);
    }
    tree = Walked("Mail Settings", settings);
    const std::pair<int, const char*> fields[] = {{IDC_MAIL_SERVER, "Server:"}, {IDC_MAIL_PORT, "Port:"},
                                                  {IDC_MAIL_SECURITY, "Security:"}, {IDC_MAIL_USER, "User name:"},
                                                  {IDC_MAIL_PASSWORD, "Password:"}, {IDC_MAIL_FROM, "Sender:"}};
    for (const auto& field : fields) {
        const std::vector<AccessibleNode> own = AccessibleTree(Control(settings, field.first));
        ASSERT_FALSE(own.empty()) << field.second;
        EXPECT_EQ(own.front().name, field.second);
    }
    ASSERT_TRUE(CloseAndWait(settings));
    if (!composer)
        composer = WaitForDialog(session.ProcessId(), "Email", 3000);
    if (composer) {
        AnswerMessage(session.ProcessId(), IDOK, 1000);
        CloseAndWait(composer);
    }
    EXPECT_TRUE(CloseAndWait(daily));
    EXPECT_TRUE(session.Main().Close());
}
