#pragma once
// A printer the end-to-end tests can read back: Wine's PostScript driver
// with the tests' own PPD (Letter, quarter-inch margins, 300 dpi), printing
// into a plain file, set as the default printer of the prefix. The port is a
// file path rather than "FILE:", which would open a second dialog asking for
// a name.
#include <windows.h>

#include <string>

namespace e2e {

extern const char* const kTestPrinterName;

// Where the test printer writes each job (replaced by the next one).
std::string PrintOutputPath();

// Installs the printer once per prefix and makes it the default; true when
// it is the default printer afterwards. `problem` says what failed.
bool InstallTestPrinter(std::string* problem = nullptr);

// The system print dialog of the process (caption "Print"), or null.
HWND WaitForPrintDialog(DWORD processId, DWORD timeoutMs = 15000);
// OK and Cancel, posted: the dialog runs inside the program's own call.
void AcceptPrintDialog(HWND dialog);
void CancelPrintDialog(HWND dialog);

// Waits until the print file exists and has stopped growing; its bytes, or
// empty when nothing came.
std::string WaitForPrintOutput(DWORD timeoutMs = 15000);

// Renders the last print job into a PNG with Ghostscript at `dotsPerInch`
// and returns the PNG's path, or empty when no picture came. Wine starts
// Linux programs as it does Windows ones, but does not wait for them, so the
// picture is written under another name and renamed when complete.
std::string RenderPrintOutput(int dotsPerInch = 100);

} // namespace e2e
