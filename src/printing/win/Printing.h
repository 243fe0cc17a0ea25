#pragma once
// Printing through the system print dialog and the GDI printing calls, drawn
// with GDI+ in inches. Every printout (the daily report, the companion
// result, an image file, a page) goes through one PrintJob, so the dialog,
// the raster check and the document handling are the same for all.
#include "printing/PrintLayout.h"

#include <windows.h>
#include <commdlg.h>
// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <string>

class Canvas;

// One print job from the print dialog to the deletion of its device context.
// Begin() shows the dialog, refuses a printer that cannot take a drawing and
// opens the document at its first page.
class PrintJob {
public:
    PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    ~PrintJob() { Release(); }

    bool Begin();

    HDC Dc() const { return dialog_.hDC; }

    // Ends the page and starts another (a page longer than one sheet).
    void NextPage();

    // Ends the page and the document; what was drawn goes to the printer.
    void Finish();

    // Printer measures in inches, for the graphics object's resolution.
    PageMeasures Measure(Gdiplus::Graphics& graphics) const;

private:
    void Release();

    PRINTDLGA dialog_{};
    bool documentOpen_ = false;
};

// Sets a graphics object on the printer page to the print quality and to
// inches as its unit.
void PrepareInches(Gdiplus::Graphics& graphics);

// The whole print of a drawing made in inches: the print dialog, one page
// drawn through the canvas (the printer's physical offsets are handed to
// the drawing), and the end of the document.
void PrintDrawingInInches(const std::function<void(Canvas&, const PageMeasures&)>& draw);

// Prints an image file fitted to the page, after the Print Options dialog.
void PrintImageFile(const std::string& path);
