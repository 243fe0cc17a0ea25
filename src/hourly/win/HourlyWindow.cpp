#include "hourly/win/HourlyWindow.h"
#include "win/WaitCursor.h"

#include "HourlyWindowIds.h"
#include "base/DataPaths.h"
#include "hourly/HourlyMessages.h"
#include "win/Printing.h"
#include "win/ReportTiming.h"
#include "platform/FileOps.h"
#include "base/TextLines.h"
#include "win/GdiPlusCanvas.h"
#include "win/ImageFiles.h"
#include "win/MessageBoxes.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <new>

namespace {

// DialogBox runs its own message loop, so a key meant for the whole window can
// only be caught on its way through that loop. One hourly window exists at a
// time (it is modal), so the filter needs no more than this pointer.
HourlyWindow* filterTarget = nullptr;

void RemoveIfPresent(const std::string& path)
{
    // A file that cannot be removed is simply replaced or left behind; the
    // user is not told.
    if (CanOpenForReading(path))
        RemoveFileForced(path);
}

} // namespace

HourlyWindow::HourlyWindow(const HourlyChart& chart) : Dialog(IDD_HOURLY_WINDOW), chart_(chart)
{
    OnClicked(IDC_HOURLY_PRINT, [this] { Print(); });
}

HourlyWindow::~HourlyWindow()
{
    RemoveKeyFilter();
}

std::string HourlyWindow::HourlyImagePath()
{
    return std::string(DataPaths::dataDirectory) + kHourlyImageName;
}

void HourlyWindow::OnInitDialog()
{
    UseBoldFont({IDC_HOURLY_PRINT});
    SetWindowTextA(Handle(), chart_.title.c_str());
    RECT outer{};
    if (GetWindowRect(Handle(), &outer))
        windowHeight_ = outer.bottom - outer.top;
    InstallKeyFilter();
}

void HourlyWindow::OnOK()
{
    CloseWith(IDOK);
}

void HourlyWindow::OnCancel()
{
    CloseWith(IDCANCEL);
}

void HourlyWindow::CloseWith(INT_PTR result)
{
    // The image only lives between a Print and the window's closing.
    RemoveIfPresent(HourlyImagePath());
    RemoveKeyFilter();
    End(result);
}

bool HourlyWindow::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
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

void HourlyWindow::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    if (dc) {
        Gdiplus::Graphics graphics(dc);
        GdiPlusCanvas::ApplyQuality(graphics);
        GdiPlusCanvas canvas(graphics);
        chart_.DrawScreen(canvas, windowHeight_);
    }
    EndPaint(Handle(), &paint);
}

bool HourlyWindow::SaveHourlyImage()
{
    CLSID jpeg;
    if (!FindEncoder(L"image/jpeg", &jpeg))
        return false;
    bool saved = false;
    {
        WaitCursor wait;
        const std::string path = HourlyImagePath();
        RemoveIfPresent(path);
        try {
            saved = SaveDrawingAsJpeg(path, kHourlyImageWidth, kHourlyImageHeight,
                                      [this](Canvas& canvas) { chart_.DrawImage(canvas); });
        } catch (const std::bad_alloc&) {
            ShowMessage(kHourlyAnalysisNotSaved, MessageKind::Error);
            return false;
        }
    }
    if (!saved)
        ShowMessage(kHourlyReportNotSaved, MessageKind::Error);
    return saved;
}

void HourlyWindow::Print()
{
    bool saved = false;
    {
        ReportTiming timing("SaveHourlyImage");
        saved = SaveHourlyImage();
    }
    if (saved)
        PrintImageFile(HourlyImagePath());
}

void HourlyWindow::InstallKeyFilter()
{
    if (keyFilter_)
        return;
    filterTarget = this;
    keyFilter_ = SetWindowsHookExA(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
}

void HourlyWindow::RemoveKeyFilter()
{
    if (keyFilter_) {
        UnhookWindowsHookEx(keyFilter_);
        keyFilter_ = nullptr;
    }
    if (filterTarget == this)
        filterTarget = nullptr;
}

LRESULT CALLBACK HourlyWindow::FilterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    // Only F2 in this window or one of its controls; the print dialog and
    // message boxes opened from here run their own loops through the same
    // filter and keep their keys.
    MSG* message = reinterpret_cast<MSG*>(lParam);
    HourlyWindow* target = filterTarget;
    if (code == MSGF_DIALOGBOX && message && target && message->message == WM_KEYDOWN &&
        message->wParam == VK_F2) {
        HWND window = target->Handle();
        if (window && (message->hwnd == window || IsChild(window, message->hwnd))) {
            try {
                target->Print();
            } catch (...) {
                // Nothing may unwind through the system's message loop.
            }
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
