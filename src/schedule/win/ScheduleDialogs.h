#pragma once
// Where the main window enters the scheduled delivery.
#include "base/Clock.h"

#include <windows.h>

#include <string>

// The Schedule button for the selected profile's file: the Currently
// Scheduled dialog first when a job is registered, then (on Change, or
// directly) the Schedule dialog.
void RunScheduleDialogs(HWND owner, const std::string& profilePath, const Clock& clock);

// At an interactive start: when the last delivery failed, or one that was
// due did not run, says so once and offers Currently Scheduled.
void TellDeliveryTrouble(HWND owner, const Clock& clock);

// Before a profile file is deleted: when it is the scheduled one, asks, and
// on Yes ends the delivery (job and record). False when the user said No.
bool EndScheduleBeforeDeleting(const std::string& profilePath);
