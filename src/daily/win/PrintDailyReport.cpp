#include "daily/win/PrintDailyReport.h"

#include "printing/win/Printing.h"

void PrintDailyReport(const ReportInput& report)
{
    PrintDrawingInInches([&](Canvas& canvas, const PageMeasures& page) {
        DrawDailyReport(canvas, report, PaperReport{page.ox, page.oy});
    });
}
