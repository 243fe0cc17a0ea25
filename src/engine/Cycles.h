#pragma once
#include "engine/Profile.h"

// The five numeric readings of a profile after ComputeNumbers. They only read
// the profile and may be called in any order.

// Stepped biorhythm cycles on hourCount, 1 to 100: Emotional 28 days,
// Physical 23 days, Intellectual 33 days. Before the birth date (a negative
// hour count) each sits just below the middle.
int EmotionalReading(const Profile& profile);
int PhysicalReading(const Profile& profile);
int IntellectualReading(const Profile& profile);

// 10 to 90: how the analysed date's day number matches the personal numbers.
int IntuitionReading(const Profile& profile);
int FortuneReading(const Profile& profile);
