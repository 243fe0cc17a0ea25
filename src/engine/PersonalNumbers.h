#pragma once
#include "engine/Profile.h"

// Fills ownNumber, motherNumber, fatherNumber, goodNumber, badNumber and
// hourCount of a loaded profile whose analysisYear/Month/Day are set.
// Must run before any reading of that profile.
void ComputeNumbers(Profile& profile);
