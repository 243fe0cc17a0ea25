#pragma once
// The dream interpretation page: general advice, and whether the chosen day's
// Emotional reading is high enough for a dream to carry a message.
#include "base/CivilDate.h"
#include "engine/Profile.h"

#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kDreamTitle = " Dream Interpretation";

// Emotional readings from this value up make a day on which a dream may mean
// something.
inline constexpr int kDreamEmotionalThreshold = 70;

// The page's content for a day whose Emotional reading is `emotional`.
std::string DreamContent(int emotional, const CivilDate& date);

// Computes the profile's Emotional reading for the date, writes "dream_e.htm"
// and "dream_r.htm" into the page folder and returns the full path of
// "dream_e.htm".
std::string WriteDreamPage(PageSink& sink, const Profile& profile, const CivilDate& date);
