#include "printing/win/Printing.h"
#include "win/WideText.h"
#include "win/WaitCursor.h"

#include "printing/PrintMessages.h"
#include "printing/PrintOptionsModel.h"
#include "printing/win/PrintOptionsDialog.h"
#include "win/GdiPlusCanvas.h"
#include "win/MessageBoxes.h"

#include <memory>
#include <new>

bool PrintJob::Begin()
{
    dialog_.lStructSize = sizeof dialog_;
    dialog_.Flags = PD_RETURNDC;
    if (!PrintDlgA(&dialog_) || !dialog_.hDC)
        return false;
    if (!PrintsGraphics(GetDeviceCaps(dialog_.hDC, RASTERCAPS))) {
        ShowMessage(kPrinterNotRaster, MessageKind::Error);
        return false;
    }
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = "Report";
    if (StartDocA(dialog_.hDC, &document) <= 0)
        return false;
    documentOpen_ = true;
    StartPage(dialog_.hDC);
    return true;
}

PageMeasures PrintJob::Measure(Gdiplus::Graphics& graphics) const
{
    HDC dc = dialog_.hDC;
    return MeasurePage(graphics.GetDpiX(), graphics.GetDpiY(), GetDeviceCaps(dc, PHYSICALOFFSETX),
                       GetDeviceCaps(dc, PHYSICALOFFSETY), GetDeviceCaps(dc, HORZRES),
                       GetDeviceCaps(dc, VERTRES));
}

void PrintJob::NextPage()
{
    if (!documentOpen_)
        return;
    EndPage(dialog_.hDC);
    StartPage(dialog_.hDC);
}

void PrintJob::Finish()
{
    if (!documentOpen_)
        return;
    EndPage(dialog_.hDC);
    EndDoc(dialog_.hDC);
    documentOpen_ = false;
}

void PrintJob::Release()
{
    // A job given up half way (a failure after StartDoc) must not leave
    // a document open in the spooler.
    if (documentOpen_)
        AbortDoc(dialog_.hDC);
    if (dialog_.hDevMode)
        GlobalFree(dialog_.hDevMode);
    if (dialog_.hDevNames)
        GlobalFree(dialog_.hDevNames);
    if (dialog_.hDC)
        DeleteDC(dialog_.hDC);
    dialog_ = PRINTDLGA{};
}

void PrepareInches(Gdiplus::Graphics& graphics)
{
    GdiPlusCanvas::ApplyQuality(graphics);
    graphics.SetPageUnit(Gdiplus::UnitInch);
}

void PrintDrawingInInches(const std::function<void(Canvas&, const PageMeasures&)>& draw)
{
    PrintJob job;
    if (!job.Begin())
        return;
    {
        Gdiplus::Graphics graphics(job.Dc());
        SetMapMode(job.Dc(), MM_ISOTROPIC);
        const PageMeasures page = job.Measure(graphics);
        PrepareInches(graphics);
        WaitCursor wait;
        GdiPlusCanvas canvas(graphics);
        draw(canvas, page);
    }
    job.Finish();
}

void PrintImageFile(const std::string& path)
{
    PrintJob job;
    if (!job.Begin())
        return;
    std::wstring widePath;
    try {
        widePath = WideText(path);
    } catch (const std::bad_alloc&) {
        ShowMessage(kHourlyAnalysisNotSaved, MessageKind::Error);
        return;
    }
    {
        Gdiplus::Image image(widePath.c_str());
        // An image that cannot be read still gives its (empty) page.
        if (image.GetLastStatus() == Gdiplus::Ok && image.GetWidth() > 0 && image.GetHeight() > 0) {
            Gdiplus::Graphics graphics(job.Dc());
            SetMapMode(job.Dc(), MM_ISOTROPIC);
            const PageMeasures page = job.Measure(graphics);
            const PrintSize fitted = FitToPage(static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight()),
                                               page.pageWidth, page.pageHeight);
            PrepareInches(graphics);

            PrintOptionsModel options(path, static_cast<int>(graphics.GetDpiX()), static_cast<int>(graphics.GetDpiY()),
                                      fitted);
            // Closing the dialog any way prints with what it holds. It is
            // owned by the window that asked for the print, so that window
            // cannot start a second job underneath it.
            PrintOptionsDialog(options).RunModal(GetActiveWindow());

            bool keepRatio = true;
            if (options.photo4x6)
                keepRatio = AskQuestion(kPhotoRatioQuestion);
            WaitCursor wait;
            for (const PrintRect& place : ImageRectangles(options.Choice(keepRatio), fitted, page))
                graphics.DrawImage(&image, Gdiplus::RectF(place.x, place.y, place.width, place.height));
        }
    }
    job.Finish();
}
