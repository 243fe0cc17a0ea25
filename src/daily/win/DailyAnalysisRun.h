#pragma once
// Opening the Daily Analysis window from the main window.
#include "base/CivilDate.h"

#include <windows.h>

#include <string>

// Runs the Daily Analysis window modally for one profile file and the date
// chosen in the main window; returns when the user has closed it.
void RunDailyAnalysis(HWND owner, const std::string& profilePath, const CivilDate& date);
