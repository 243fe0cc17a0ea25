#pragma once
// A printer the end-to-end tests can read back: Wine's PostScript driver
// with the tests' own PPD (Letter, quarter-inch margins, 300 dpi), printing
// into a plain file, set as the default printer of the prefix. The port is a
// file path rather than "FILE:", which would open a second dialog asking for
// a name.
#include "driver/DailyDriver.h"

#include <string>

namespace e2e {

// Installs the printer once per prefix, makes it the default and removes a
// job left over; what failed, or empty when it is the default printer.
std::string InstallTestPrinter();

// The dots per inch at which PrintedPage renders a page.
constexpr int kPrintDotsPerInch = 100;
// Waits until the print file exists and has stopped growing, renders it with
// Ghostscript and removes it, so the next job starts afresh; not Loaded()
// when no job or no picture came.
Picture PrintedPage();

// Waits for the print dialog the program has just opened and presses OK or
// Cancel; false when none came or it stayed.
bool AnswerPrintDialog(DWORD processId, int button = IDOK);

} // namespace e2e
