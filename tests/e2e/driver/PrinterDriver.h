#pragma once
// A printer the end-to-end tests can read back: Wine's PostScript driver
// with the tests' own PPD (Letter, quarter-inch margins, 300 dpi), printing
// into a plain file, set as the default printer of the prefix. The port is a
// file path rather than "FILE:", which would open a second dialog asking for
// a name.
#include "driver/DailyDriver.h"

#include <memory>
#include <string>

namespace e2e {

// Where the test printer writes each job (replaced by the next one).
std::string PrintOutputPath();

// Installs the printer once per prefix and makes it the default; true when
// it is the default printer afterwards. `problem` says what failed.
bool InstallTestPrinter(std::string* problem = nullptr);

// Waits until the print file exists and has stopped growing, then renders it
// with Ghostscript at `dotsPerInch`; null when no job or no picture came.
std::unique_ptr<DecodedImage> PrintedPage(int dotsPerInch);

// Waits for the print dialog the program has just opened and presses OK or
// Cancel; false when none came or it stayed.
bool AnswerPrintDialog(DWORD processId, int button = IDOK);

} // namespace e2e
