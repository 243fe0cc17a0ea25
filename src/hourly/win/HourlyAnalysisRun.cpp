#include "hourly/win/HourlyAnalysisRun.h"

#include "base/Calendar.h"
#include "hourly/HourlyChart.h"
#include "hourly/win/HourlyWindow.h"
#include "profiles/ProfileFileReadings.h"

void OpenHourlyAnalysis(HWND owner, int kind, const std::string& profilePath, const CivilDate& baseDate)
{
    HourlyChart chart;
    // Each reading writes the same hourly title, which always names the base
    // date whatever day its value is for.
    chart.previousValue = ComputeSingleReading(kind, profilePath, DayBefore(baseDate), baseDate, chart.title);
    chart.nextValue = ComputeSingleReading(kind, profilePath, DayAfter(baseDate), baseDate, chart.title);
    chart.currentValue = ComputeSingleReading(kind, profilePath, baseDate, baseDate, chart.title);
    chart.scaleCaption = ScaleCaption(kind);

    HourlyWindow window(chart);
    window.RunModal(owner);
}
