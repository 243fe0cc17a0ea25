#include "daily/ReportDrawing.h"

#include <array>

namespace {

constexpr int kReadings = 5;
constexpr int kScaleLabels = 11;  // "100" down to "0"

const char* const kScaleTexts[kScaleLabels] = {"100", "90", "80", "70", "60", "50",
                                               "40",  "30", "20", "10", "0"};
const char* const kColumnLabels[kReadings] = {"Emotional", "Physical", "Intellectual", "Intuition", "Fortune"};

// The five lines from the top, and the bars from the left, as every
// surface and the spoken report take them.
struct ReportLines {
    const std::string* line[kReadings];
};
ReportLines LinesOf(const DailyReadingSet& set)
{
    return {{&set.ZodiacLine, &set.SoulNumberLine, &set.DayReadingLine, &set.EvilEyeLine, &set.LotteryLine}};
}
struct BarValues {
    int value[kReadings];
};
BarValues ValuesOf(const DailyReadingSet& set)
{
    return {{set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune}};
}

struct Point {
    float x;
    float y;
};

// One surface's version of the report: every position in the surface's own
// unit, so a single routine draws all three.
struct ReportLayout {
    bool drawTitle = false;
    Point title{};
    FontSpec font;
    std::array<Colour, kReadings + 1> textColour;  // the five lines, then the title
    std::array<Point, kReadings> line{};           // Zodiac, SoulNumber, DayReading, EvilEye, Lottery
    Point heading{};                               // "Other Day Readings"
    std::array<Point, kScaleLabels> scale{};
    Point verticalTop{}, verticalBottom{};
    Point horizontalLeft{}, horizontalRight{};
    float axisWidth = 0;
    float columnLabelY = 0;
    std::array<float, kReadings> columnLabelX{};
    float barBase = 0;
    float barUnit = 0;  // bar length per reading point
    float barWidth = 0;
    std::array<float, kReadings> barX{};
    std::array<Colour, kReadings> barColour;
    bool integerLines = false;
};

// Screen and image share the pixel layout; only the top differs (the image
// keeps room above for its title) and a few colours.
ReportLayout PixelLayout(float top, const std::string& family)
{
    ReportLayout layout;
    layout.font = FontSpec{family, 12, true};
    for (int i = 0; i < kReadings; ++i)
        layout.line[i] = {90, top + 25.0f * i};
    layout.heading = {90, top + 130};
    for (int k = 0; k < kScaleLabels; ++k) {
        // One digit fewer moves the label 8 pixels right.
        const float x = k == 0 ? 86.0f : (k == 10 ? 102.0f : 94.0f);
        layout.scale[k] = {x, top + 160 + 30.0f * k};
    }
    layout.verticalTop = {130, top + 160};
    layout.verticalBottom = {130, top + 460};
    layout.horizontalLeft = {130, top + 460};
    layout.horizontalRight = {700, top + 460};
    layout.axisWidth = 4;
    layout.columnLabelY = top + 470;
    const float labelX[kReadings] = {154, 264, 364, 476, 594};
    const float barX[kReadings] = {185, 290, 400, 506, 620};
    const Colour barColour[kReadings] = {Colours::blue, Colours::red, Colours::white, Colours::green,
                                         Colours::yellow};
    for (int i = 0; i < kReadings; ++i) {
        layout.columnLabelX[i] = labelX[i];
        layout.barX[i] = barX[i];
        layout.barColour[i] = barColour[i];
    }
    layout.barBase = top + 458;
    layout.barUnit = 3;
    layout.barWidth = 40;
    return layout;
}

ReportLayout ScreenLayout(int windowHeight, const std::string& family)
{
    ReportLayout layout = PixelLayout(TopOffset(windowHeight), family);
    const Colour colours[kReadings + 1] = {Colours::black, Colours::maroon, Colours::white,
                                           Colours::blue,  Colours::yellow, Colours::black};
    for (int i = 0; i <= kReadings; ++i)
        layout.textColour[i] = colours[i];
    return layout;
}

ReportLayout ImageLayout(const std::string& family)
{
    ReportLayout layout = PixelLayout(39, family);
    layout.drawTitle = true;
    layout.title = {90, 14};
    // Blue and white swap places against the screen: the zodiac line is blue
    // and the evil-eye line white, so both read well on the flat grey.
    const Colour colours[kReadings + 1] = {Colours::blue,  Colours::maroon, Colours::white,
                                           Colours::white, Colours::yellow, Colours::black};
    for (int i = 0; i <= kReadings; ++i)
        layout.textColour[i] = colours[i];
    layout.integerLines = true;
    return layout;
}

ReportLayout PaperLayout(float ox, float oy, const std::string& family)
{
    ReportLayout layout;
    layout.font = FontSpec{family, 0.12f, false};
    layout.drawTitle = true;
    layout.title = {ox + 0.08f, oy + 0.15f};
    for (int i = 0; i <= kReadings; ++i)
        layout.textColour[i] = Colours::black;
    for (int i = 0; i < kReadings; ++i)
        layout.line[i] = {ox + 0.08f, oy + 0.45f + 0.3f * i};
    layout.heading = {ox + 0.08f, oy + 1.95f};
    for (int k = 0; k < kScaleLabels; ++k) {
        const float x = k == 0 ? 0.08f : (k == 10 ? 0.24f : 0.16f);
        layout.scale[k] = {ox + x, oy + 2.25f + 0.33f * k};
    }
    layout.scale[10].y = oy + 5.55f;  // exactly on the axis, whatever the sum above rounds to
    layout.verticalTop = {ox + 0.45f, oy + 2.25f};
    layout.verticalBottom = {ox + 0.45f, oy + 5.55f};
    layout.horizontalLeft = {ox + 0.425f, oy + 5.55f};
    layout.horizontalRight = {ox + 5.42f, oy + 5.55f};
    layout.axisWidth = 0.05f;
    layout.columnLabelY = oy + 5.6f;
    const float labelX[kReadings] = {0.48f, 1.41f, 2.19f, 3.00f, 3.85f};
    const float barX[kReadings] = {0.88f, 1.68f, 2.48f, 3.28f, 4.08f};
    for (int i = 0; i < kReadings; ++i) {
        layout.columnLabelX[i] = ox + labelX[i];
        layout.barX[i] = ox + barX[i];
        layout.barColour[i] = Colours::black;
    }
    layout.barBase = oy + 5.55f;
    // The scale's labels stand 0.33 inch apart per ten points: a bar must
    // grow at the same rate to end at its value's label.
    layout.barUnit = 0.033f;
    layout.barWidth = 0.25f;
    return layout;
}

void Line(Canvas& canvas, const ReportLayout& layout, Point from, Point to, Colour colour, float width)
{
    // The image's coordinates are whole pixels already; the integer call keeps
    // its bars on pixel edges exactly.
    if (layout.integerLines)
        canvas.DrawLineI(static_cast<int>(from.x), static_cast<int>(from.y), static_cast<int>(to.x),
                         static_cast<int>(to.y), colour, static_cast<int>(width));
    else
        canvas.DrawLine(from.x, from.y, to.x, to.y, colour, width);
}

void DrawReport(Canvas& canvas, const ReportInput& report, const ReportLayout& layout)
{
    const DailyReadingSet& set = report.set;
    if (layout.drawTitle)
        canvas.DrawText(report.title, layout.title.x, layout.title.y, layout.font, layout.textColour[kReadings]);

    const ReportLines lines = LinesOf(set);
    for (int i = 0; i < kReadings; ++i)
        canvas.DrawText(*lines.line[i], layout.line[i].x, layout.line[i].y, layout.font, layout.textColour[i]);
    canvas.DrawText("Other Day Readings", layout.heading.x, layout.heading.y, layout.font, Colours::black);

    for (int k = 0; k < kScaleLabels; ++k)
        canvas.DrawText(kScaleTexts[k], layout.scale[k].x, layout.scale[k].y, layout.font, Colours::black);

    Line(canvas, layout, layout.verticalTop, layout.verticalBottom, Colours::black, layout.axisWidth);
    Line(canvas, layout, layout.horizontalLeft, layout.horizontalRight, Colours::black, layout.axisWidth);

    const BarValues values = ValuesOf(set);
    for (int i = 0; i < kReadings; ++i) {
        canvas.DrawText(kColumnLabels[i], layout.columnLabelX[i], layout.columnLabelY, layout.font, Colours::black);
        const Point base{layout.barX[i], layout.barBase};
        const Point top{layout.barX[i], layout.barBase - layout.barUnit * static_cast<float>(values.value[i])};
        Line(canvas, layout, base, top, layout.barColour[i], layout.barWidth);
    }
}

}  // namespace

float TopOffset(int windowHeight)
{
    return CentredTop(windowHeight, 576.0f, 12.0f);
}

void DrawDailyReport(Canvas& canvas, const ReportInput& report, const ScreenReport& surface)
{
    DrawReport(canvas, report, ScreenLayout(surface.windowHeight, report.fontFamily));
}

void DrawDailyReport(Canvas& canvas, const ReportInput& report, const ImageReport& surface)
{
    canvas.FillRectangle(0, 0, kReportImageWidth, kReportImageHeight, Colours::grey);
    canvas.DrawRectangle(1, 1, 777, 547, Colours::black, 2);
    ReportLayout layout = ImageLayout(report.fontFamily);
    if (surface.mailed)
        layout.columnLabelX[3] += 8;
    DrawReport(canvas, report, layout);
}

void DrawDailyReport(Canvas& canvas, const ReportInput& report, const PaperReport& surface)
{
    DrawReport(canvas, report, PaperLayout(surface.ox, surface.oy, report.fontFamily));
}

SpokenDrawing SpokenDailyReport(const ReportInput& report)
{
    SpokenDrawing spoken;
    spoken.name = report.title;
    const ReportLines lines = LinesOf(report.set);
    for (const std::string* line : lines.line)
        spoken.items.push_back({*line, ""});
    const BarValues values = ValuesOf(report.set);
    for (int i = 0; i < kReadings; ++i)
        spoken.items.push_back({kColumnLabels[i], PercentText(values.value[i])});
    return spoken;
}
