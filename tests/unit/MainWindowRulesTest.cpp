#include "app/MainWindowRules.h"

#include <gtest/gtest.h>

namespace {

const CivilDate kToday{2026, 12, 7};

std::string Buttons(const ButtonStates& s)
{
    std::string text;
    text += s.editProfile ? 'E' : '-';
    text += s.deleteProfile ? 'D' : '-';
    text += s.analyzeDay ? 'A' : '-';
    text += s.companion ? 'C' : '-';
    text += s.schedule ? 'S' : '-';
    text += s.dreams ? 'R' : '-';
    text += !s.openReport ? '?' : *s.openReport ? 'O' : '-';
    return text;
}

TEST(MainWindowRules, SelectionDecidesButtonsAndTip)
{
    struct Case {
        int selected;
        int rows;
        CivilDate date;
        const char* buttons;
        QuickTip tip;
    };
    const Case cases[] = {
        {0, 0, kToday, "------?", QuickTips::addProfile},
        {0, 3, kToday, "------?", QuickTips::selectProfile},
        {1, 1, kToday, "EDA-SRO", QuickTips::analyzeOrDreams},
        {1, 1, {2026, 12, 8}, "EDA-S-O", QuickTips::analyzeDay},
        {1, 1, {2027, 1, 1}, "EDA-S-O", QuickTips::analyzeDay},
        {1, 1, {2026, 11, 30}, "EDA-SRO", QuickTips::analyzeOrDreams},
        {1, 1, {1900, 1, 1}, "EDA-SRO", QuickTips::analyzeOrDreams},
        // Two rows are a companion pair, whatever the date.
        {2, 2, {2030, 1, 1}, "---C---", QuickTips::companion},
        {3, 5, kToday, "------?", QuickTips::onlyTwo},
        {5, 5, kToday, "------?", QuickTips::onlyTwo},
    };
    for (const Case& c : cases) {
        ButtonStates states = SelectionRules(c.selected, c.rows, c.date, kToday);
        SCOPED_TRACE(std::to_string(c.selected) + " of " + std::to_string(c.rows) + " on " +
                     std::to_string(c.date.year) + "-" + std::to_string(c.date.month) + "-" +
                     std::to_string(c.date.day));
        EXPECT_EQ(Buttons(states), c.buttons);
        EXPECT_STREQ(states.tip.text, c.tip.text);
        EXPECT_EQ(states.tip.focus, c.tip.focus);
    }
}

TEST(MainWindowRules, TipsFocusTheButtonTheyName)
{
    EXPECT_EQ(QuickTips::addProfile.focus, TipFocus::AddProfile);
    EXPECT_EQ(QuickTips::analyzeDay.focus, TipFocus::AnalyzeDay);
    EXPECT_EQ(QuickTips::analyzeOrDreams.focus, TipFocus::Dreams);
    EXPECT_EQ(QuickTips::companion.focus, TipFocus::Companion);
    EXPECT_EQ(RestingTip(0).focus, TipFocus::AddProfile);
    EXPECT_EQ(RestingTip(1).focus, TipFocus::Help);
}

TEST(MainWindowRules, DatesCompareYearThenMonthThenDay)
{
    struct Case {
        CivilDate a, b;
        bool earlier;
    };
    const Case cases[] = {
        {{2000, 12, 31}, {2001, 1, 1}, true},
        {{2001, 1, 31}, {2001, 2, 1}, true},
        {{2001, 2, 1}, {2001, 2, 2}, true},
        {{2001, 2, 2}, {2001, 2, 2}, false},
        {{2001, 3, 1}, {2001, 2, 28}, false},
        {{2002, 1, 1}, {2001, 12, 31}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsEarlier(c.a, c.b), c.earlier)
            << c.a.year << "-" << c.a.month << "-" << c.a.day << " vs " << c.b.year << "-"
            << c.b.month << "-" << c.b.day;
}

TEST(MainWindowRules, DayStaysInsideTheShorterMonth)
{
    EXPECT_EQ(ClampDay(31, 30), 30);
    EXPECT_EQ(ClampDay(30, 28), 28);
    EXPECT_EQ(ClampDay(29, 29), 29);
    EXPECT_EQ(ClampDay(15, 31), 15);
}

TEST(MainWindowRules, PlacementLeavesRoomForTheTipStripAndGoesNegativeWhenTooBig)
{
    struct Case {
        int screen, window, x, y;
    };
    const Case cases[] = {
        {1024, 730, 147, (1024 - 730 - 85) / 2},
        {1024, 1024, 0, -85},
        {800, 815, -15, -100},
        {800, 714, 43, 0},    // exactly 85 left: no room, so not halved
        {800, 713, 43, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainWindowX(c.screen, c.window), c.x) << c.screen << " " << c.window;
        EXPECT_EQ(MainWindowY(c.screen, c.window), c.y) << c.screen << " " << c.window;
    }
}

TEST(MainWindowRules, SamePersonIgnoresLetterCaseButNotTheBirthDate)
{
    const CivilDate born{1970, 5, 4};
    EXPECT_TRUE(IsSamePerson("Jane DOE", born, "jane doe", born));
    EXPECT_FALSE(IsSamePerson("Jane Doe", born, "Jane Doe", {1970, 5, 5}));
    EXPECT_FALSE(IsSamePerson("Jane Doe", born, "Jane  Doe", born));
    EXPECT_EQ(SamePersonMessage("Jane DOE", "JANE Doe"),
              "jane doe and jane doe - same name/birthdays.   \n"
              "Companion analysis is designed for two different people only.     ");
    // Bytes outside ASCII are left alone rather than mangled by a locale.
    EXPECT_EQ(LowerCase("\xC9MILE X"), "\xC9mile x");
}

TEST(MainWindowRules, PageFilesEndInHtmInAnyCase)
{
    for (const char* name : {"tip_e.htm", "READING.HTM", "a.Htm", ".htm"})
        EXPECT_TRUE(IsPageFileName(name)) << name;
    for (const char* name : {"oc.ini", "page.html", "htm", "x.htm.bak", "report.jpg", ""})
        EXPECT_FALSE(IsPageFileName(name)) << name;
}

} // namespace
