#include "daily/ReportDrawing.h"

#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

ReportInput SampleReport()
{
    ReportInput report;
    report.title = "Daily Analysis - September 9, 2005  - Jane Doe -  Automatic Calibration";
    // The lowest and highest values the set can hold, and three between.
    report.set.Emotional = 3;
    report.set.Physical = 99;
    report.set.Intellectual = 50;
    report.set.Intuition = 10;
    report.set.Fortune = 77;
    report.set.ZodiacLine = "Zodiac Sign: Cancer";
    report.set.SoulNumberLine = "Soul Number: 2";
    report.set.DayReadingLine = "Day Reading: Good Day";
    report.set.EvilEyeLine = "Evil Eye Reading: Not susceptible to the Evil Eye";
    report.set.LotteryLine = "Lottery Numbers: 2  10  24  32  53  21 ";
    return report;
}

DrawCall Text(const std::string& text, float x, float y, Colour colour, const FontSpec& font)
{
    return {DrawCall::Text, x, y, 0, 0, colour, 0, text, font};
}

DrawCall Line(float x1, float y1, float x2, float y2, Colour colour, float width)
{
    return {DrawCall::Line, x1, y1, x2, y2, colour, width, "", {}};
}

// The layout table: screen pixels measured from (0, T), paper inches from
// (ox, oy); in drawing order. Paper is black throughout.
std::vector<DrawCall> Expected(const ReportInput& r, bool paper, float left, float top)
{
    const DailyReadingSet& s = r.set;
    const FontSpec font = paper ? FontSpec{"Verdana", 0.12f, false} : FontSpec{"Verdana", 12, true};
    const struct {
        std::string text;
        float sx, sy;
        Colour colour;
        float px, py;
    } texts[] = {
        {s.ZodiacLine, 90, 0, Colours::black, 0.08f, 0.45f},
        {s.SoulNumberLine, 90, 25, Colours::maroon, 0.08f, 0.75f},
        {s.DayReadingLine, 90, 50, Colours::white, 0.08f, 1.05f},
        {s.EvilEyeLine, 90, 75, Colours::blue, 0.08f, 1.35f},
        {s.LotteryLine, 90, 100, Colours::yellow, 0.08f, 1.65f},
        {"Other Day Readings", 90, 130, Colours::black, 0.08f, 1.95f},
        {"100", 86, 160, Colours::black, 0.08f, 2.25f},
        {"90", 94, 190, Colours::black, 0.16f, 2.58f},
        {"80", 94, 220, Colours::black, 0.16f, 2.91f},
        {"70", 94, 250, Colours::black, 0.16f, 3.24f},
        {"60", 94, 280, Colours::black, 0.16f, 3.57f},
        {"50", 94, 310, Colours::black, 0.16f, 3.90f},
        {"40", 94, 340, Colours::black, 0.16f, 4.23f},
        {"30", 94, 370, Colours::black, 0.16f, 4.56f},
        {"20", 94, 400, Colours::black, 0.16f, 4.89f},
        {"10", 94, 430, Colours::black, 0.16f, 5.22f},
        {"0", 102, 460, Colours::black, 0.24f, 5.55f},
    };
    std::vector<DrawCall> calls;
    if (paper)
        calls.push_back(Text(r.title, left + 0.08f, top + 0.15f, Colours::black, font));
    for (const auto& t : texts)
        calls.push_back(paper ? Text(t.text, left + t.px, top + t.py, Colours::black, font)
                              : Text(t.text, t.sx, top + t.sy, t.colour, font));
    const float axis = paper ? 0.05f : 4;
    if (paper) {
        calls.push_back(Line(left + 0.45f, top + 2.25f, left + 0.45f, top + 5.55f, Colours::black, axis));
        calls.push_back(Line(left + 0.425f, top + 5.55f, left + 5.42f, top + 5.55f, Colours::black, axis));
    } else {
        calls.push_back(Line(130, top + 160, 130, top + 460, Colours::black, axis));
        calls.push_back(Line(130, top + 460, 700, top + 460, Colours::black, axis));
    }
    const struct {
        const char* label;
        float slx, sbx;
        Colour colour;
        float plx, pbx;
        int value;
    } columns[] = {
        {"Emotional", 154, 185, Colours::blue, 0.48f, 0.88f, s.Emotional},
        {"Physical", 264, 290, Colours::red, 1.41f, 1.68f, s.Physical},
        {"Intellectual", 364, 400, Colours::white, 2.19f, 2.48f, s.Intellectual},
        {"Intuition", 476, 506, Colours::green, 3.00f, 3.28f, s.Intuition},
        {"Fortune", 594, 620, Colours::yellow, 3.85f, 4.08f, s.Fortune},
    };
    for (const auto& c : columns) {
        if (paper) {
            const float base = top + 5.55f;
            calls.push_back(Text(c.label, left + c.plx, top + 5.6f, Colours::black, font));
            calls.push_back(Line(left + c.pbx, base, left + c.pbx, base - 0.03f * c.value, Colours::black,
                                 0.25f));
        } else {
            calls.push_back(Text(c.label, c.slx, top + 470, Colours::black, font));
            calls.push_back(Line(c.sbx, top + 458, c.sbx, top + 458 - 3.0f * c.value, c.colour, 40));
        }
    }
    return calls;
}

void ExpectCalls(const std::vector<DrawCall>& actual, const std::vector<DrawCall>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(SameCall(actual[i], expected[i])) << "call " << i << "\n  drawn:    " << actual[i]
                                                      << "\n  expected: " << expected[i];
}

TEST(ReportDrawing, TopOffsetCentresOnlyWindowsTallerThan576)
{
    const std::pair<int, float> cases[] = {{0, 12}, {-5, 12}, {400, 12}, {576, 12}, {577, 0.5f},
                                           {590, 7}, {599, 11.5f}, {600, 12}, {700, 62}};
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(TopOffset(c.first), c.second) << "window height " << c.first;
}

TEST(ReportDrawing, ScreenLayoutAndOrder)
{
    const ReportInput report = SampleReport();
    RecordingCanvas canvas;
    DrawDailyReport(canvas, report, ScreenReport{590});
    ExpectCalls(canvas.calls, Expected(report, false, 0, 7));
    // Bars are 3 pixels a point: 3 gives 9, 99 gives 297.
    EXPECT_FLOAT_EQ(canvas.calls[20].y1 - canvas.calls[20].y2, 9);
    EXPECT_FLOAT_EQ(canvas.calls[22].y1 - canvas.calls[22].y2, 297);
}

// The image is the screen drawing of a window whose top offset is 39, under
// a grey background, a frame and the title, with integer lines and two
// colours swapped.
TEST(ReportDrawing, ImageIsTheScreenLayoutBelowATitle)
{
    ReportInput report = SampleReport();
    report.fontFamily = "Arial";
    RecordingCanvas screen, image;
    DrawDailyReport(screen, report, ScreenReport{654});
    DrawDailyReport(image, report, ImageReport{});

    std::vector<DrawCall> e = {
        {DrawCall::Fill, 0, 0, 780, 550, Colours::grey, 0, "", {}},
        {DrawCall::Frame, 1, 1, 777, 547, Colours::black, 2, "", {}},
        Text(report.title, 90, 14, Colours::black, FontSpec{"Arial", 12, true}),
    };
    for (DrawCall call : screen.calls) {
        if (call.kind == DrawCall::Line)
            call.kind = DrawCall::LineI;
        if (call.text == report.set.ZodiacLine)
            call.colour = Colours::blue;
        if (call.text == report.set.EvilEyeLine)
            call.colour = Colours::white;
        e.push_back(call);
    }
    ExpectCalls(image.calls, e);
    EXPECT_EQ(image.calls[3].y1, 39);
    EXPECT_EQ(image.calls.back().y2, 497 - 231);
}

TEST(ReportDrawing, PaperIsBlackRegularInInchesFromThePhysicalOffsets)
{
    const ReportInput report = SampleReport();
    RecordingCanvas canvas;
    DrawDailyReport(canvas, report, PaperReport{0.25f, 0.2f});
    ExpectCalls(canvas.calls, Expected(report, true, 0.25f, 0.2f));
}

}  // namespace
