#pragma once
#include "daily/ReportDrawing.h"

// Prints the paper variant of the daily report (black, regular text).
void PrintDailyReport(const ReportInput& report);
