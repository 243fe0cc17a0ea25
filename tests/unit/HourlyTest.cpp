#include "hourly/HourlyChart.h"
#include "hourly/Superstitions.h"

#include "TestSupport.h"

namespace {

HourlyChart Chart(int previous, int current, int next) { HourlyChart c; return c.previousValue = previous, c.currentValue = current, c.nextValue = next, c; }

TEST(HourlyChart, ScaleCaptionsAndTopOffset)
{
    const std::pair<int, const char*> captions[] = {{1, "Emotional"}, {2, "Physical"}, {3, "Intellectual"},
                                                    {4, "Intuition"}, {5, "Fortune"},  {0, "Fortune"}, {9, "Fortune"}};
    for (const auto& c : captions)
        EXPECT_EQ(ScaleCaption(c.first), std::string("Hourly Analysis: ") + c.second + "  [24 Hours Scale]");

    const std::pair<int, float> tops[] = {{0, 20}, {474, 20}, {475, 0.5f}, {500, 13}, {600, 63}};
    for (const auto& t : tops)
        EXPECT_FLOAT_EQ(HourlyTopOffset(t.first), t.second) << "window height " << t.first;
}

// The window draws the caption, two lines of advice and the phase words over
// the chart; the image puts its top at 25 on a grey ground, with the title
// and the caption instead of the advice.
TEST(HourlyChart, ScreenAndImageLayouts)
{
    HourlyChart chart = Chart(40, 62, 51);
    RecordingCanvas screen, image;
    chart.DrawScreen(screen, 500);
    HourlyChart stubs = Chart(0, 100, -4);  // a day without a reading still gets a stub
    stubs.title = "Hourly Analysis - September 9, 2005";
    stubs.DrawImage(image);
    ExpectGolden("hourly.txt", "screen\n" + screen.Listing() + "image\n" + image.Listing());
}

// Each half runs in straight steps of distance/11 from its start to its end,
// or rises by 0.11 per hour after a raise when its ends are equal.
TEST(HourlyChart, BarHeightsAndStoredRaises)
{
    const struct { int previous, current, next, storedCurrent, storedNext; float firstStep, secondStep;
                   const char *firstPhase, *secondPhase; } cases[] = {
        {40, 62, 51, 62, 51, 2, 1, " Rising ", " Falling "}, {3, 100, 3, 100, 3, 97 / 11.0f, 97 / 11.0f, " Rising ", " Falling "},
        {50, 50, 50, 51, 52, 0.11f, 0.11f, " Rising ", " Rising "},  // both halves flat
        {51, 51, 52, 52, 53, 0.11f, 1 / 11.0f, " Rising ", " Rising "},  // first flat; the raise ends the second
        {80, 30, 30, 30, 31, 50 / 11.0f, 0.11f, " Falling ", " Rising "},  // only the second half flat
    };
    for (const auto& c : cases) {
        HourlyChart chart = Chart(c.previous, c.current, c.next);
        const HourlyBars bars = chart.ComputeBars();
        // The raise is stored, so drawing again does not raise again.
        chart.ComputeBars();
        SCOPED_TRACE(std::to_string(c.previous) + "/" + std::to_string(c.current) + "/" + std::to_string(c.next));
        EXPECT_EQ(std::vector<int>({chart.previousValue, chart.currentValue, chart.nextValue}),
                  std::vector<int>({c.previous, c.storedCurrent, c.storedNext}));
        EXPECT_LT(std::abs(bars.firstStep - c.firstStep) + std::abs(bars.secondStep - c.secondStep), 2e-5) << bars.firstStep << " " << bars.secondStep;
        EXPECT_EQ(std::vector<float>({bars.value[0], bars.value[12], bars.value[24]}),
                  std::vector<float>({float(c.previous), float(c.storedCurrent), float(c.storedNext)}));
        EXPECT_EQ(chart.FirstPhase() + chart.SecondPhase(), std::string(c.firstPhase) + c.secondPhase);
        const float* v = bars.value;  // and each half runs towards its end
        EXPECT_GT(std::min((v[6] - v[0]) * (v[12] - v[0]), (v[18] - v[12]) * (v[24] - v[12])), 0.0f);
    }
}

// The days take the table in order, two entries on days 1, 5, 10, 15 and
// 20; the texts are plain ASCII but for the Windows-1252 apostrophe of two
// sayings (the pages' golden holds the other).
TEST(Superstitions, EveryDaysEntries)
{
    int next = 0;
    for (int day = 0; day <= 32; ++day) {
        std::string entries = day < 1 || day > 31 ? "" : SuperstitionEntry(next++);
        if (day == 1 || day == 5 || day == 10 || day == 15 || day == 20)
            entries += SuperstitionEntry(next++);
        EXPECT_EQ(DailySuperstition(day), entries) << "day " << day;
    }
    // Every entry once, in order, and none outside them.
    EXPECT_EQ(SuperstitionEntry(-1) + SuperstitionEntry(kSuperstitionCount) + std::to_string(next), std::to_string(kSuperstitionCount));
    EXPECT_EQ(DailySuperstition(14), "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>mirror<p>"
                                     "<font color=\"black\">Breaking a mirror brings bad luck for seven years.<p>");
    EXPECT_NE(DailySuperstition(29).find("you\x92ll have good luck"), std::string::npos);
}

}  // namespace

// The hours read as the bars are drawn, flat halves raised, and speaking
// leaves the chart's stored values alone.
TEST(HourlyChartSpoken, EachHourAsDrawnAndThePhases)
{
    const struct { int previous, current, next; const char* heard; } cases[] = {
        {10, 21, 0, "00=10 12=21 24=3 Rising Falling"}, {30, 30, 30, "00=30 12=31 24=32 Rising Rising"}, {1, 21, 1, "00=1 12=21 24=1 Rising Falling"},
    };
    for (const auto& c : cases) {
        HourlyChart chart = Chart(c.previous, c.current, c.next);
        chart.title = "Hourly";
        const SpokenDrawing spoken = chart.Spoken();
        EXPECT_EQ(chart.currentValue, c.current);
        ASSERT_TRUE(spoken.items.size() == 3u + 25u + 2u && spoken.name + "|" + spoken.items[0].name == "Hourly|" + chart.scaleCaption);
        std::string heard;
        for (const int at : {3, 15, 27})
            heard += spoken.items[at].name + "=" + spoken.items[at].value + " ";
        EXPECT_EQ(heard + spoken.items[28].value + " " + spoken.items[29].value, c.heard);
    }
}
