#include "hourly/win/HourlyWindow.h"
#include "win/WaitCursor.h"

#include "HourlyWindowIds.h"
#include "pages/win/PageFolder.h"
#include "hourly/HourlyMessages.h"
#include "printing/win/Printing.h"
#include "base/ReportTiming.h"
#include "platform/FileOps.h"
#include "base/TextLines.h"
#include "win/GdiPlusCanvas.h"
#include "printing/win/SaveDrawingAsJpeg.h"
#include "win/ImageFiles.h"
#include "win/MessageBoxes.h"

// gdiplus.h needs the COM property types that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <new>

namespace {

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
    OnWindowMessage(WM_PAINT, [this](WPARAM, LPARAM) {
        Paint();
        return 0;
    });
}

std::string HourlyWindow::HourlyImagePath()
{
    // A transient file: it goes with the pages, where only this account writes.
    const std::string& folder = ProgramPageFolder().Folder();
    return folder.empty() ? folder : folder + kHourlyImageName;
}

void HourlyWindow::OnInitDialog()
{
    UseBoldFont({IDC_HOURLY_PRINT});
    SetCaption(chart_.title);
    RECT outer{};
    if (GetWindowRect(Handle(), &outer))
        windowHeight_ = LayoutHeight(Handle(), outer.bottom - outer.top);
    // DialogBox runs its own message loop, so a key meant for the whole
    // window can only be caught on its way through that loop.
    CatchKey(VK_F2, [this] { Print(); });
    spokenChart_.Create(Handle());
    spokenChart_.Publish(chart_.Spoken());
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
    End(result);
}

void HourlyWindow::Paint()
{
    PaintDrawing(Handle(), [this](Canvas& canvas) { chart_.DrawScreen(canvas, windowHeight_); });
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

