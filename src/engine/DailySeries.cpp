#include "engine/DailySeries.h"

#include "base/Calendar.h"
#include "engine/DailyReadingSet.h"

#include <algorithm>

namespace {

const char kDayReadingLabel[] = "Day Reading: ";

}  // namespace

std::vector<SeriesDay> ComputeDailySeries(const Profile& profile, const CivilDate& start, int days)
{
    std::vector<SeriesDay> series;
    if (days < 1 || days > kLongestSeries)
        return series;
    series.reserve(static_cast<std::size_t>(days));
    CivilDate date = start;
    for (int i = 0; i < days; ++i, date = DayAfter(date)) {
        // The daily set itself, so the outlook can never disagree with the
        // Daily Analysis window.
        DailyReadingSet set;
        ComputeDailySet(profile, date, set);
        SeriesDay day;
        day.date = date;
        const int readings[5] = {set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune};
        std::copy(readings, readings + 5, day.readings);
        const std::string& line = set.DayReadingLine;
        day.dayReading = line.compare(0, sizeof kDayReadingLabel - 1, kDayReadingLabel) == 0
                             ? line.substr(sizeof kDayReadingLabel - 1)
                             : line;
        series.push_back(day);
    }
    return series;
}
