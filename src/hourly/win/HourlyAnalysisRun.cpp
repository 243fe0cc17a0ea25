#include "hourly/win/HourlyAnalysisRun.h"

#include "daily/DayNavigation.h"
#include "engine/DailyReadingSet.h"
#include "hourly/HourlyChart.h"
#include "hourly/win/HourlyWindow.h"

void OpenHourlyAnalysis(HWND owner, int kind, const std::string& profilePath, const CivilDate& baseDate)
{
    HourlyChart chart;
    // Each reading writes the same hourly title, which always names the base
    // date whatever day its value is for.
    const CivilDate before = DayBefore(baseDate);
    const CivilDate after = DayAfter(baseDate);
    chart.previousValue = ComputeSingleReading(kind, before.month, before.day, before.year, profilePath,
                                               baseDate.year, baseDate.month, baseDate.day, chart.title);
    chart.nextValue = ComputeSingleReading(kind, after.month, after.day, after.year, profilePath, baseDate.year,
                                           baseDate.month, baseDate.day, chart.title);
    chart.currentValue = ComputeSingleReading(kind, baseDate.month, baseDate.day, baseDate.year, profilePath,
                                              baseDate.year, baseDate.month, baseDate.day, chart.title);
    chart.scaleCaption = ScaleCaption(kind);

    HourlyWindow window(chart);
    window.RunModal(owner);
}
