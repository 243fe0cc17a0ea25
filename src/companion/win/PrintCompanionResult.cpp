#include "companion/win/PrintCompanionResult.h"

#include "printing/win/Printing.h"

void PrintCompanionResult(const CompanionResult& result)
{
    PrintDrawingInInches([&](Canvas& canvas, const PageMeasures& page) {
        DrawCompanionPaper(canvas, result, page.ox, page.oy);
    });
}
