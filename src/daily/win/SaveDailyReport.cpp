#include "daily/win/SaveDailyReport.h"
#include "win/WideText.h"
#include "win/WaitCursor.h"

#include "daily/DailyMessages.h"
#include "daily/ReportDrawing.h"
#include "base/ReportTiming.h"
#include "printing/win/SaveDrawingAsJpeg.h"
#include "win/ImageFiles.h"
#include "win/AccountFolders.h"
#include "win/Controls.h"
#include "win/JpegFileDialog.h"
#include "win/MessageBoxes.h"

namespace {

// The wide path is held in 1001 UTF-16 units, terminator included.
constexpr size_t kLongestWidePath = 1000;
constexpr char kFilter[] = "Daily Report (*.jpg)\0*.jpg\0";

} // namespace

void SaveDailyReport(HWND window, const DailyReadingSet& set, std::string& savedReportPath)
{
    std::string chosen;
    if (!AskForJpegFile(window, "Save Report", kFilter, chosen))
        return;
    // Email hands on only a file that was really written.
    savedReportPath.clear();

    CLSID jpeg;
    if (!FindEncoder(L"image/jpeg", &jpeg))
        return;

    WaitCursor wait;
    ReportInput report;
    report.title = Controls::WindowText(window);
    report.set = set;

    bool written = false;
    if (WideText(chosen).size() <= kLongestWidePath) {
        ReportTiming timing("report-jpeg-save");
        written = SaveDrawingAsJpeg(chosen, kReportImageWidth, kReportImageHeight,
                                    [&report](Canvas& canvas) { DrawDailyReport(canvas, report, ImageReport{}); });
    }
    wait.End();
    SetCurrentDirectoryA(AccountDataDirectory().c_str());
    if (written) {
        savedReportPath = chosen;
        ShowMessage(kReportSaved, MessageKind::Information);
    }
    else
        ShowMessage(kReportNotSaved, MessageKind::Error);
}
