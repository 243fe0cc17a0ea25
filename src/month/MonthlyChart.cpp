#include "month/MonthlyChart.h"

#include "engine/PersonalReadings.h"

namespace {

constexpr int kReadings = 5;
const char* const kNames[kReadings] = {"Emotional", "Physical", "Intellectual", "Intuition", "Fortune"};
// The Daily Analysis bars' colours, so a line reads as the bar it follows.
const Colour kLineColours[kReadings] = {Colours::blue, Colours::red, Colours::white, Colours::green,
                                        Colours::yellow};
const char* const kScaleTexts[11] = {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10", "0"};

const char kDailyHeading[] = "Daily Analysis - ";

constexpr int kPlotTop = 60;      // the level of 100
constexpr int kPlotBottom = 360;  // the level of 0
constexpr int kPointHeight = 3;   // pixels per reading point
constexpr int kPlotLeft = 52;
constexpr int kColumnWidth = 24;
constexpr int kLegendTop = 30;
constexpr int kDayLabelTop = kPlotBottom + 8;
constexpr int kMonthLabelTop = kPlotBottom + 26;
constexpr int kSelectionTop = 416;
constexpr Colour kSelectionBand{160, 160, 160};

float ColumnCentre(int index)
{
    return static_cast<float>(kPlotLeft + kColumnWidth * index + kColumnWidth / 2);
}

float LevelOf(int value)
{
    return static_cast<float>(kPlotBottom - kPointHeight * value);
}

// A good or a bad day; a normal one has no mark.
bool DayMarkColour(const std::string& dayReading, Colour& colour)
{
    if (dayReading == "Good Day")
        colour = Colours::green;
    else if (dayReading == "Bad Day")
        colour = Colours::red;
    else
        return false;
    return true;
}

std::string DateText(const CivilDate& date)
{
    // MonthName keeps the blank that titles rely on.
    return MonthName(date.month) + std::to_string(date.day) + ", " + std::to_string(date.year);
}

std::string MonthOnly(int month)
{
    std::string name = MonthName(month);
    if (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

// The month the outlook starts in, named under its first column unless that
// is a first of the month anyway. The name stands a little further left and
// is cut to three letters when the next month's name follows within four
// columns, so the two never run into each other.
void DrawStartingMonth(const MonthlyChart& chart, Canvas& canvas, const FontSpec& font)
{
    if (chart.days.empty() || chart.days.front().date.day == 1)
        return;
    const int count = static_cast<int>(chart.days.size());
    int next = 1;
    while (next < count && chart.days[static_cast<std::size_t>(next)].date.day != 1)
        ++next;
    std::string name = MonthOnly(chart.days.front().date.month);
    if (next < count && next < 4)
        name = name.substr(0, 3);
    canvas.DrawText(name, kPlotLeft - 10.0f, kMonthLabelTop, font, Colours::maroon);
}

void DrawLegend(const MonthlyChart& chart, Canvas& canvas)
{
    const FontSpec font{chart.fontFamily, 12, true};
    const float nameX[kReadings] = {60, 160, 250, 365, 460};
    for (int i = 0; i < kReadings; ++i)
        canvas.DrawText(kNames[i], nameX[i], kLegendTop, font, kLineColours[i]);
    canvas.FillRectangle(560, kLegendTop + 2, 10, 10, Colours::green);
    canvas.DrawText("Good Day", 574, kLegendTop, font, Colours::black);
    canvas.FillRectangle(670, kLegendTop + 2, 10, 10, Colours::red);
    canvas.DrawText("Bad Day", 684, kLegendTop, font, Colours::black);
}

void DrawChart(const MonthlyChart& chart, Canvas& canvas)
{
    const FontSpec font{chart.fontFamily, 12, true};
    const int count = static_cast<int>(chart.days.size());
    const int right = kPlotLeft + kColumnWidth * count;

    DrawLegend(chart, canvas);
    if (count > 0)
        canvas.FillRectangle(kPlotLeft + kColumnWidth * chart.selected, kPlotTop, kColumnWidth,
                             kPlotBottom - kPlotTop, kSelectionBand);
    for (int k = 0; k < 11; ++k) {
        const float x = k == 0 ? 10.0f : (k == 10 ? 26.0f : 18.0f);
        canvas.DrawText(kScaleTexts[k], x, static_cast<float>(kPlotTop - 7 + 30 * k), font, Colours::black);
    }
    canvas.DrawLineI(kPlotLeft - 2, kPlotTop, kPlotLeft - 2, kPlotBottom + 2, Colours::black, 2);
    canvas.DrawLineI(kPlotLeft - 3, kPlotBottom + 1, right, kPlotBottom + 1, Colours::black, 2);
    // The shown day, where the outlook starts, framed across the chart.
    if (count > 0)
        canvas.DrawRectangle(kPlotLeft, kPlotTop, kColumnWidth, kPlotBottom - kPlotTop, Colours::black, 1);

    for (int i = 0; i < count; ++i) {
        const SeriesDay& day = chart.days[static_cast<std::size_t>(i)];
        const float centre = ColumnCentre(i);
        const std::string number = std::to_string(day.date.day);
        canvas.DrawText(number, centre - (number.size() > 1 ? 8.0f : 4.0f), kDayLabelTop, font, Colours::black);
        if (day.date.day == 1)
            canvas.DrawText(MonthOnly(day.date.month), centre - 8.0f, kMonthLabelTop, font, Colours::maroon);
        Colour mark;
        if (DayMarkColour(day.dayReading, mark))
            canvas.FillRectangle(static_cast<int>(centre) - 5, kPlotBottom - 4, 10, 10, mark);
    }
    DrawStartingMonth(chart, canvas, font);
    for (int r = 0; r < kReadings; ++r)
        for (int i = 1; i < count; ++i)
            canvas.DrawLine(ColumnCentre(i - 1), LevelOf(chart.days[static_cast<std::size_t>(i - 1)].readings[r]),
                            ColumnCentre(i), LevelOf(chart.days[static_cast<std::size_t>(i)].readings[r]),
                            kLineColours[r], 2);

    canvas.DrawText(chart.SelectionLine(), 10, kSelectionTop, FontSpec{chart.fontFamily, 12, false},
                    Colours::black);
}

}  // namespace

std::string MonthlyCaption(const std::string& dailyCaption)
{
    const std::size_t heading = sizeof kDailyHeading - 1;
    const bool headed = dailyCaption.compare(0, heading, kDailyHeading) == 0;
    return "Monthly Outlook - " + (headed ? dailyCaption.substr(heading) : dailyCaption);
}

int MonthlyChart::DayAt(int x, int y) const
{
    if (x < kPlotLeft || y < kPlotTop || y >= kSelectionTop)
        return -1;
    const int index = (x - kPlotLeft) / kColumnWidth;
    return index < static_cast<int>(days.size()) ? index : -1;
}

void MonthlyChart::Select(int index)
{
    const int last = static_cast<int>(days.size()) - 1;
    selected = index < 0 ? 0 : (index > last ? (last < 0 ? 0 : last) : index);
}

std::string MonthlyChart::SelectionLine() const
{
    if (days.empty())
        return "";
    const SeriesDay& day = days[static_cast<std::size_t>(selected)];
    std::string line = DateText(day.date) + ":";
    for (int r = 0; r < kReadings; ++r)
        line += std::string("  ") + kNames[r] + " " + std::to_string(day.readings[r]) + "%";
    return line + "  " + day.dayReading;
}

SpokenDrawing MonthlyChart::Spoken() const
{
    SpokenDrawing spoken;
    spoken.name = title;
    if (days.empty())
        return spoken;
    const SeriesDay& day = days[static_cast<std::size_t>(selected)];
    spoken.items.push_back({DateText(day.date), ""});
    for (int r = 0; r < kReadings; ++r)
        spoken.items.push_back({kNames[r], PercentText(day.readings[r])});
    spoken.items.push_back({"Day Reading", day.dayReading});
    return spoken;
}

void MonthlyChart::DrawScreen(Canvas& canvas) const
{
    DrawChart(*this, canvas);
}

void MonthlyChart::DrawImage(Canvas& canvas) const
{
    canvas.FillRectangle(0, 0, kMonthlyImageWidth, kMonthlyImageHeight, Colours::grey);
    canvas.DrawText(title, 10, 6, FontSpec{fontFamily, 12, true}, Colours::black);
    DrawChart(*this, canvas);
}
