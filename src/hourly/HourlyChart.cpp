#include "hourly/HourlyChart.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace {

constexpr int kHours = 25;
// A flat half still climbs a little, so the phase reads as rising.
constexpr float kFlatStep = 0.11f;
constexpr float kOneEleventh = 1.0f / 11.0f;

const char* const kRising = " Rising ";
const char* const kFalling = " Falling ";

const char* const kRisingAdvice = "Try to schedule important events and tasks during the \"Rising Phase\".";
const char* const kFallingAdvice = "Try to avoid important events and tasks during the \"Falling Phase\".";

// " Rising " without the blanks that space it on the chart.
std::string Trimmed(const std::string& phase)
{
    const std::size_t first = phase.find_first_not_of(' ');
    const std::size_t last = phase.find_last_not_of(' ');
    return first == std::string::npos ? "" : phase.substr(first, last - first + 1);
}

const char* const kScaleTexts[11] = {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10", "0"};

Colour PhaseColour(const std::string& phase)
{
    return phase == kRising ? Colours::yellow : Colours::white;
}

std::string HourLabel(int hour)
{
    return (hour < 10 ? "0" : "") + std::to_string(hour);
}

// The scale, the axes, the bars and the phase words, shared by window and
// image; `top` is where the caption of the window version stands.
void DrawChart(HourlyChart& chart, Canvas& canvas, float top)
{
    const FontSpec font{chart.fontFamily, 12, true};
    const FontSpec phaseFont{chart.fontFamily, 24, true};

    for (int k = 0; k < 11; ++k) {
        const float x = k == 0 ? 10.0f : (k == 10 ? 26.0f : 18.0f);
        canvas.DrawText(kScaleTexts[k], x, top + 94 + 30.0f * k, font, Colours::black);
    }
    canvas.DrawLine(53, top + 94, 53, top + 405, Colours::black, 4);
    canvas.DrawLine(51, top + 403, 723, top + 403, Colours::black, 4);

    const float base = top + 403;
    const float foot = top + 400;
    const HourlyBars bars = chart.ComputeBars();
    for (int hour = 0; hour < kHours; ++hour) {
        const float x = 54.0f + 27.0f * hour;
        canvas.DrawText(HourLabel(hour), x, top + 409, font, Colours::black);
        const bool wholeDay = hour == 0 || hour == 12 || hour == 24;
        const float barX = x + (hour == 12 ? 11.0f : 12.0f);
        canvas.DrawLine(barX, foot, barX, base - 3.0f * bars.value[hour], wholeDay ? Colours::black : Colours::blue,
                        15);
    }

    const std::string first = chart.FirstPhase();
    const std::string second = chart.SecondPhase();
    canvas.DrawText(first, 150, top + 320, phaseFont, PhaseColour(first));
    canvas.DrawText(second, 480, top + 320, phaseFont, PhaseColour(second));
}

}  // namespace

std::string ScaleCaption(int kind)
{
    const char* name = "Fortune";
    switch (kind) {
    case 1:
        name = "Emotional";
        break;
    case 2:
        name = "Physical";
        break;
    case 3:
        name = "Intellectual";
        break;
    case 4:
        name = "Intuition";
        break;
    default:
        break;
    }
    return std::string("Hourly Analysis: ") + name + "  [24 Hours Scale]";
}

float HourlyTopOffset(int windowHeight)
{
    return CentredTop(windowHeight, 474.0f, 20.0f);
}

void HourlyChart::ReplaceMissingValues()
{
    for (int* value : {&previousValue, &currentValue, &nextValue})
        if (*value <= 0)
            *value = 3;
}

HourlyBars HourlyChart::ComputeBars()
{
    HourlyBars bars;
    const int firstDistance = std::abs(previousValue - currentValue);
    if (firstDistance > 0) {
        bars.firstStep = static_cast<float>(firstDistance) * kOneEleventh;
    } else {
        bars.firstStep = kFlatStep;
        ++currentValue;
        ++nextValue;
    }
    const int secondDistance = std::abs(nextValue - currentValue);
    if (secondDistance > 0) {
        bars.secondStep = static_cast<float>(secondDistance) * kOneEleventh;
    } else {
        bars.secondStep = kFlatStep;
        ++nextValue;
    }

    const float previous = static_cast<float>(previousValue);
    const float current = static_cast<float>(currentValue);
    bars.value[0] = previous;
    for (int hour = 1; hour <= 11; ++hour) {
        const float climb = static_cast<float>(hour) * bars.firstStep;
        bars.value[hour] = previousValue >= currentValue ? previous - climb : previous + climb;
    }
    bars.value[12] = current;
    for (int hour = 13; hour <= 23; ++hour) {
        const float climb = static_cast<float>(hour - 12) * bars.secondStep;
        bars.value[hour] = nextValue >= currentValue ? current + climb : current - climb;
    }
    bars.value[24] = static_cast<float>(nextValue);
    return bars;
}

std::string HourlyChart::FirstPhase() const
{
    return currentValue >= previousValue ? kRising : kFalling;
}

std::string HourlyChart::SecondPhase() const
{
    return nextValue >= currentValue ? kRising : kFalling;
}

SpokenDrawing HourlyChart::Spoken() const
{
    HourlyChart drawn = *this;
    drawn.ReplaceMissingValues();
    const HourlyBars bars = drawn.ComputeBars();
    SpokenDrawing spoken;
    spoken.name = title;
    for (const char* line : {drawn.scaleCaption.c_str(), kRisingAdvice, kFallingAdvice})
        spoken.items.push_back({line, ""});
    for (int hour = 0; hour < kHours; ++hour)
        spoken.items.push_back({HourLabel(hour), std::to_string(std::lround(bars.value[hour]))});
    spoken.items.push_back({"00 to 12", Trimmed(drawn.FirstPhase())});
    spoken.items.push_back({"12 to 24", Trimmed(drawn.SecondPhase())});
    return spoken;
}

void HourlyChart::DrawScreen(Canvas& canvas, int windowHeight)
{
    ReplaceMissingValues();
    const float top = HourlyTopOffset(windowHeight);
    const FontSpec font{fontFamily, 12, true};
    canvas.DrawText(scaleCaption, 20, top, font, Colours::yellow);
    canvas.DrawText(kRisingAdvice, 20, top + 28, font, Colours::white);
    canvas.DrawText(kFallingAdvice, 20, top + 53, font, Colours::black);
    DrawChart(*this, canvas, top);
}

void HourlyChart::DrawImage(Canvas& canvas)
{
    canvas.FillRectangle(0, 0, kHourlyImageWidth, kHourlyImageHeight, Colours::grey);
    ReplaceMissingValues();
    const FontSpec font{fontFamily, 12, true};
    canvas.DrawText(title, 20, 25, font, Colours::black);
    canvas.DrawText(scaleCaption, 20, 53, font, Colours::white);
    // The image's chart sits where the window's would with its top at 25.
    DrawChart(*this, canvas, 25);
}
