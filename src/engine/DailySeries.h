#pragma once
// A run of consecutive days of one profile's Daily Analysis: what the
// Monthly Outlook charts and `oracline-cli month` prints.
#include "base/CivilDate.h"
#include "engine/Profile.h"

#include <string>
#include <vector>

inline constexpr int kOutlookDays = 30;
inline constexpr int kLongestSeries = 366;

struct SeriesDay {
    CivilDate date;
    int readings[5] = {};    // Emotional, Physical, Intellectual, Intuition, Fortune, as the chart shows them
    std::string dayReading;  // "Good Day", "Normal Day" or "Bad Day"
};

// `days` days from `start` on, stepping through the real calendar as Prev and
// Next Day do; each day's values are those of its daily set. A count outside
// 1 to kLongestSeries gives an empty series.
std::vector<SeriesDay> ComputeDailySeries(const Profile& profile, const CivilDate& start, int days);
