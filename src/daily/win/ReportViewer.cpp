#include "daily/win/ReportViewer.h"

#include "ReportViewerIds.h"
#include "base/ScreenPlacement.h"
#include "daily/ReportFit.h"
#include "win/GdiPlusCanvas.h"
#include "printing/win/Printing.h"
#include "win/WideText.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <new>

namespace {

const char* const kViewerCaption = "To print Daily Report in color click on the F2 key";

} // namespace

ReportViewer::ReportViewer() : Dialog(IDD_REPORT_VIEWER)
{
    OnWindowMessage(WM_PAINT, [this](WPARAM, LPARAM) {
        Paint();
        return 0;
    });
}

void ReportViewer::OnInitDialog()
{
    const int width = ScreenPixels(Handle(), kViewerWidth);
    const int height = ScreenPixels(Handle(), kViewerHeight);
    SetWindowPos(Handle(), HWND_TOP, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width),
                 CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height), width, height, SWP_SHOWWINDOW);
    SetCaption(kViewerCaption);
    // DialogBox runs its own message loop, so F2 can only be caught on its
    // way through that loop.
    CatchKey(VK_F2, [this] { PrintImageFile(reportPath_); });
}

// The file is read anew at every paint, so the window always shows what is
// on disk; one that is no image leaves the window empty.
void ReportViewer::Paint()
{
    PaintWindow(Handle(), [this](Canvas& canvas) {
        try {
            Gdiplus::Image image(WideText(reportPath_).c_str());
            const int width = static_cast<int>(image.GetWidth());
            const int height = static_cast<int>(image.GetHeight());
            if (image.GetLastStatus() == Gdiplus::Ok && width > 0 && height > 0) {
                const ShownImage shown = FitSavedReport(width, height);
                canvas.DrawImage(reportPath_, static_cast<float>(shown.x), static_cast<float>(shown.y),
                                 static_cast<float>(shown.width), static_cast<float>(shown.height));
            }
        } catch (const std::bad_alloc&) {
            // An image too large for memory shows as an empty window.
        }
    });
}
