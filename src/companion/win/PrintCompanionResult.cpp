#include "companion/win/PrintCompanionResult.h"

#include "win/GdiPlusCanvas.h"
#include "win/Printing.h"
#include "win/WaitCursor.h"

void PrintCompanionResult(const CompanionResult& result)
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
        DrawCompanionPaper(canvas, result, page.ox, page.oy);
    }
    job.Finish();
}
