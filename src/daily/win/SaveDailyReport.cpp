#include "daily/win/SaveDailyReport.h"
#include "win/WideText.h"
#include "win/WaitCursor.h"

#include "base/DataPaths.h"
#include "daily/DailyMessages.h"
#include "daily/ReportDrawing.h"
#include "base/ReportTiming.h"
#include "printing/win/SaveDrawingAsJpeg.h"
#include "win/ImageFiles.h"
#include "win/Controls.h"
#include "win/MessageBoxes.h"

#include <commdlg.h>

#include <vector>

namespace {

constexpr DWORD kFileBufferSize = 5000;
// The wide path is held in 1001 UTF-16 units, terminator included.
constexpr size_t kLongestWidePath = 1000;
constexpr DWORD kSaveFlags =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXTENSIONDIFFERENT | OFN_PATHMUSTEXIST | OFN_EXPLORER;
// A name typed without an extension gets ".jpg". The dialog documents the
// default extension as bare letters, without dot or wildcard; "*.jpg" only
// works where the dialog falls back on the filter's pattern instead.
constexpr const char* kDefaultExtension = "jpg";
constexpr char kFilter[] = "Daily Report (*.jpg)\0*.jpg\0";

// The paths an export works with, made for each export.
struct ExportPaths {
    std::string dataDirectory = DataPaths::dataDirectory;
    std::string reportsDirectory = DataPaths::reportsDirectory;
};

// The file the user chose, or false when the dialog was cancelled.
bool AskForFile(HWND window, const ExportPaths& paths, std::string& chosen)
{
    std::vector<char> file(kFileBufferSize, '\0');
    lstrcpynA(file.data(), "*.jpg", static_cast<int>(file.size()));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileBufferSize;
    dialog.lpstrInitialDir = paths.reportsDirectory.c_str();
    dialog.lpstrTitle = "Save Report";
    dialog.Flags = kSaveFlags;
    dialog.lpstrDefExt = kDefaultExtension;
    if (!GetSaveFileNameA(&dialog))
        return false;
    chosen = file.data();
    return true;
}

} // namespace

void SaveDailyReport(HWND window, const DailyReadingSet& set, std::string& savedReportPath)
{
    const ExportPaths paths;
    std::string chosen;
    const bool picked = AskForFile(window, paths, chosen);
    // The dialog moves the current directory to where the user browsed; the
    // program's relative file names expect the data directory.
    SetCurrentDirectoryA(paths.dataDirectory.c_str());
    if (!picked)
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
    SetCurrentDirectoryA(paths.dataDirectory.c_str());
    if (written) {
        savedReportPath = chosen;
        ShowMessage(kReportSaved, MessageKind::Information);
    }
    else
        ShowMessage(kReportNotSaved, MessageKind::Error);
}
