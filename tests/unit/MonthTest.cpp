#include "month/MonthlyChart.h"

#include "base/Calendar.h"
#include "TestSupport.h"

#include <cstring>

namespace {

TEST(MonthlyChart, CaptionLayoutsSelectionAndColumns)
{
    EXPECT_EQ(MonthlyCaption("Daily Analysis - March 30, 2026  - Jane Doe -  Manual Calibration"),
              "Monthly Outlook - March 30, 2026  - Jane Doe -  Manual Calibration");
    EXPECT_EQ(MonthlyCaption("Daily Analysis"), "Monthly Outlook - Daily Analysis");

    // Four days across a month end, with a good and a bad day and readings at
    // both ends of the scale, the third day selected.
    MonthlyChart chart;
    chart.title = "Monthly Outlook - March 30, 2026  - Jane Doe -  Automatic Calibration";
    chart.days = {
        {{2026, 3, 30}, {3, 50, 99, 10, 10}, "Normal Day"}, {{2026, 3, 31}, {20, 60, 90, 40, 60}, "Good Day"},
        {{2026, 4, 1}, {40, 70, 80, 90, 30}, "Bad Day"}, {{2026, 4, 2}, {60, 80, 70, 10, 10}, "Normal Day"},
    };
    chart.Select(2);

    // The five lines in the bars' colours, the month's first labelled, the
    // good and bad marks on the axis, the shown day framed and the chosen one
    // banded with its values in the line below; the image is the same drawing
    // on a grey ground under the title.
    RecordingCanvas screen, image;
    chart.DrawScreen(screen);
    ExpectGolden("monthly-screen.txt", screen.Listing());
    chart.DrawImage(image);
    EXPECT_EQ(image.Listing(), "Fill (0, 0, 800, 480) rgb(128,128,128) width 0\nText (10, 6, 0, 0) rgb(0,0,0) \"" +
                                   chart.title + "\" Verdana 12 bold\n" + screen.Listing());

    const struct { int select, selected; } moves[] = {{-1, 0}, {3, 3}, {4, 3}};
    for (const auto& m : moves)
        EXPECT_EQ((chart.Select(m.select), chart.selected), m.selected) << m.select;
    // Columns 24 pixels wide from x = 52, between the level of 100 and the
    // selection line.
    const struct { int x, y, day; } points[] = {
        {52, 60, 0}, {75, 200, 0}, {76, 200, 1}, {147, 415, 3}, {148, 200, -1}, {51, 200, -1}, {60, 59, -1}, {60, 416, -1}};
    for (const auto& p : points)
        EXPECT_EQ(chart.DayAt(p.x, p.y), p.day) << p.x << "," << p.y;
}

// The month the outlook starts in is named under its first column, cut to
// three letters when the next month's name follows close by; a start on a
// first needs no second name.
TEST(MonthlyChart, TheStartingMonthIsNamedToo)
{
    const std::pair<CivilDate, const char*> starts[] = {
        {{2026, 1, 10}, "\"January\""}, {{2026, 1, 28}, "\"January\""}, {{2026, 1, 29}, "\"Jan\""}, {{2026, 1, 31}, "\"Jan\""}, {{2026, 2, 1}, ""},
        {{2026, 1, 2}, "\"January\""}};  // no first among the 30 days
    for (const auto& start : starts) {
        MonthlyChart chart;
        for (CivilDate day = start.first; chart.days.size() < 30; day = DayAfter(day))
            chart.days.push_back({day, {50, 50, 50, 50, 50}, "Normal Day"});
        chart.days.shrink_to_fit();  // a read past the last day is then one the sanitizers see
        RecordingCanvas canvas;
        chart.DrawScreen(canvas);
        const std::string under = "Text (42, 386, 0, 0) rgb(128,0,0) ", listing = canvas.Listing();
        const std::size_t at = listing.find(under), from = at + under.size();
        EXPECT_EQ(at == std::string::npos ? "" : listing.substr(from, listing.find('"', from + 1) + 1 - from), start.second) << start.first.day;
    }
    RecordingCanvas empty;
    MonthlyChart none;
    none.Select(3), none.DrawScreen(empty);
    EXPECT_TRUE(empty.Listing().find("rgb(160,160,160)") == std::string::npos && empty.Listing().find("Frame") == std::string::npos);
    EXPECT_EQ(std::make_pair(none.selected, MonthlyChart().selected), std::make_pair(0, 0));
}

}  // namespace

// The chosen day, its five values and its Day Reading follow the selection.
TEST(MonthlyChartSpoken, TheChosenDayFollowsTheSelection)
{
    MonthlyChart chart;
    chart.title = "Monthly Outlook - x";
    EXPECT_TRUE(chart.Spoken().items.empty());
    chart.days = {{{2026, 12, 7}, {21, 30, 86, 10, 10}, "Normal Day"}, {{2026, 12, 8}, {22, 31, 87, 11, 12}, "Good Day"}};
    chart.Select(1);
    EXPECT_EQ(Heard(chart.Spoken()), "December 8, 2026=;Emotional=22%;Physical=31%;Intellectual=87%;Intuition=11%;Fortune=12%;Day Reading=Good Day;");
}
