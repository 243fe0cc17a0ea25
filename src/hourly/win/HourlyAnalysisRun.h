#pragma once
// Opening the hourly analysis from the Daily Analysis window.
#include "base/CivilDate.h"

#include <windows.h>

#include <string>

// Computes the three single readings of `kind` (1 Emotional … 5 Fortune)
// around `baseDate`, runs the hourly window modally and returns when it has
// been closed (the daily window then shows its base date again).
void OpenHourlyAnalysis(HWND owner, int kind, const std::string& profilePath, const CivilDate& baseDate);
