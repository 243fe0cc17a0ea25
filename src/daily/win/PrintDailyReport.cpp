#include "daily/win/PrintDailyReport.h"

#include "win/GdiPlusCanvas.h"
#include "win/Printing.h"
#include "win/WaitCursor.h"

void PrintDailyReport(const ReportInput& report)
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
        DrawDailyReport(canvas, report, PaperReport{page.ox, page.oy});
    }
    job.Finish();
}

