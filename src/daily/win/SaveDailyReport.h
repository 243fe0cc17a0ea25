#pragma once
// Save: the report's image variant written as a JPEG file the user chooses,
// by default in the reports directory.
#include "engine/DailyReadingSet.h"

#include <windows.h>

#include <string>

// Asks for a file with the Save As dialog, owned by the Daily Analysis window,
// and writes the 780 x 550 image of `set` titled with the window's caption.
// `savedReportPath` takes the chosen file once it is written and is emptied
// when writing fails, since Email offers it afterwards; a cancelled dialog
// leaves it as it was. Ends
// in one message, except when cancelled or when no JPEG encoder exists. The
// current directory is the data directory afterwards, whatever happened.
void SaveDailyReport(HWND window, const DailyReadingSet& set, std::string& savedReportPath);
