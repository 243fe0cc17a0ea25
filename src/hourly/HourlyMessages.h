#pragma once
// Message-box texts of the hourly window (stop icon, caption "Oracline").
#include "printing/PrintMessages.h"

// The hourly image's path could not be had (kHourlyAnalysisNotSaved), or the
// image could not be written.
inline constexpr const char* kHourlyReportNotSaved = "Unable to save Hourly Report.    ";
