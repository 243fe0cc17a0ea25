#pragma once
// Printing through the system print dialog and the GDI printing calls, drawn
// with GDI+ in inches.
#include "daily/ReportDrawing.h"

#include <string>

// Prints the paper variant of the daily report (black, regular text).
void PrintDailyReport(const ReportInput& report);

// Prints an image file fitted to the page, after the Print Options dialog.
void PrintImageFile(const std::string& path);
