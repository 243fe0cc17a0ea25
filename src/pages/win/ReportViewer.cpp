#include "pages/win/ReportViewer.h"

#include "ReportViewerIds.h"
#include "pages/ReportFit.h"
#include "win/GdiPlusCanvas.h"
#include "win/Printing.h"
#include "win/WideText.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <new>

namespace {

const char* const kViewerCaption = "To print Daily Report in color click on the F2 key";

// DialogBox runs its own message loop, so F2 can only be caught on its way
// through that loop. The viewer is modal: one at a time.
ReportViewer* filterTarget = nullptr;

} // namespace

ReportViewer::ReportViewer() : Dialog(IDD_REPORT_VIEWER) {}

ReportViewer::~ReportViewer()
{
    RemoveKeyFilter();
}

void ReportViewer::OnInitDialog()
{
    SetWindowPos(Handle(), HWND_TOP, ViewerOrigin(GetSystemMetrics(SM_CXSCREEN), kViewerWidth),
                 ViewerOrigin(GetSystemMetrics(SM_CYSCREEN), kViewerHeight), kViewerWidth, kViewerHeight,
                 SWP_SHOWWINDOW);
    SetWindowTextA(Handle(), kViewerCaption);
    InstallKeyFilter();
}

void ReportViewer::OnCancel()
{
    RemoveKeyFilter();
    End(IDCANCEL);
}

bool ReportViewer::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        result = 0;
        return true;
    case WM_DESTROY:
        RemoveKeyFilter();
        return false;
    default:
        return false;
    }
}

// The file is read anew at every paint, so the window always shows what is
// on disk; one that is no image leaves the window empty.
void ReportViewer::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    if (dc) {
        try {
            Gdiplus::Image image(WideText(reportPath_).c_str());
            const int width = static_cast<int>(image.GetWidth());
            const int height = static_cast<int>(image.GetHeight());
            if (image.GetLastStatus() == Gdiplus::Ok && width > 0 && height > 0) {
                const ShownImage shown = FitSavedReport(width, height);
                Gdiplus::Graphics screen(dc);
                GdiPlusCanvas::ApplyQuality(screen);
                Gdiplus::Bitmap bitmap(shown.width, shown.height, PixelFormat32bppARGB);
                {
                    Gdiplus::Graphics scaled(&bitmap);
                    GdiPlusCanvas::ApplyQuality(scaled);
                    scaled.DrawImage(&image, 0, 0, shown.width, shown.height);
                }
                Gdiplus::CachedBitmap cached(&bitmap, &screen);
                screen.DrawCachedBitmap(&cached, shown.x, shown.y);
            }
        } catch (const std::bad_alloc&) {
            // An image too large for memory shows as an empty window.
        }
    }
    EndPaint(Handle(), &paint);
}

void ReportViewer::Print()
{
    PrintImageFile(reportPath_);
}

void ReportViewer::InstallKeyFilter()
{
    if (keyFilter_)
        return;
    filterTarget = this;
    keyFilter_ = SetWindowsHookExA(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
}

void ReportViewer::RemoveKeyFilter()
{
    if (keyFilter_) {
        UnhookWindowsHookEx(keyFilter_);
        keyFilter_ = nullptr;
    }
    if (filterTarget == this)
        filterTarget = nullptr;
}

LRESULT CALLBACK ReportViewer::FilterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    // Only F2 in the viewer itself; the print dialog and the Print Options
    // dialog opened from here run their own loops through the same filter
    // and keep their keys.
    MSG* message = reinterpret_cast<MSG*>(lParam);
    ReportViewer* target = filterTarget;
    if (code == MSGF_DIALOGBOX && message && target && message->message == WM_KEYDOWN &&
        message->wParam == VK_F2 && message->hwnd == target->Handle()) {
        try {
            target->Print();
        } catch (...) {
            // Nothing may unwind through the system's message loop.
        }
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
