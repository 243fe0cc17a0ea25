#include "month/win/MonthlyOutlookWindow.h"

#include "MonthlyOutlookIds.h"
#include "month/MonthlyMessages.h"
#include "platform/FileOps.h"
#include "printing/win/Printing.h"
#include "printing/win/SaveDrawingAsJpeg.h"
#include "profiles/ProfileFileReadings.h"
#include "win/GdiPlusCanvas.h"
#include "win/JpegFileDialog.h"
#include "win/MessageBoxes.h"
#include "win/PrivateTempFile.h"
#include "win/ToolTips.h"
#include "win/WaitCursor.h"

#include <windowsx.h>

namespace {

// The buttons' strip in 96-dpi client pixels: Save, then Print,
// right-aligned under the chart.
const int kMonthlyButtonTop = 446, kMonthlySaveLeft = 620, kMonthlyPrintLeft = 710;
const int kMonthlyButtonWidth = 80, kMonthlyButtonHeight = 24;

constexpr char kFilter[] = "Monthly Outlook (*.jpg)\0*.jpg\0";

// Without a JPEG encoder nothing is written and nothing is said, as for the
// daily report.
bool WriteImage(const MonthlyChart& chart, const std::string& path, bool& encoderFound)
{
    WaitCursor wait;
    return SaveDrawingAsJpeg(path, kMonthlyImageWidth, kMonthlyImageHeight,
                             [&chart](Canvas& canvas) { chart.DrawImage(canvas); }, &encoderFound);
}

} // namespace

MonthlyOutlookWindow::MonthlyOutlookWindow(const MonthlyChart& chart) : Dialog(IDD_MONTHLY_OUTLOOK), chart_(chart)
{
    OnClicked(IDC_MONTHLY_SAVE, [this] { Save(); });
    OnClicked(IDC_MONTHLY_PRINT, [this] { Print(); });
    OnWindowMessage(WM_PAINT, [this](WPARAM, LPARAM) {
        Paint();
        return 0;
    });
    OnWindowMessage(WM_LBUTTONDOWN, [this](WPARAM, LPARAM point) {
        const int day = chart_.DayAt(LayoutPixels(Handle(), GET_X_LPARAM(point)), LayoutPixels(Handle(), GET_Y_LPARAM(point)));
        if (day >= 0)
            Select(day);
        return 0;
    });
    OnWindowMessage(WM_LBUTTONDBLCLK, [this](WPARAM, LPARAM point) {
        const int day = chart_.DayAt(LayoutPixels(Handle(), GET_X_LPARAM(point)), LayoutPixels(Handle(), GET_Y_LPARAM(point)));
        if (day >= 0) {
            Select(day);
            Choose();
        }
        return 0;
    });
}

MonthlyOutlookWindow::~MonthlyOutlookWindow() = default;

const CivilDate& MonthlyOutlookWindow::SelectedDate() const
{
    return chart_.days[static_cast<std::size_t>(chart_.selected)].date;
}

void MonthlyOutlookWindow::OnInitDialog()
{
    UseBoldFont({IDC_MONTHLY_SAVE, IDC_MONTHLY_PRINT});
    SetCaption(chart_.title);
    // The chart is laid out in 96-dpi pixels, so the client area is made to
    // fit it at the window's scale rather than left to the dialog units.
    RECT frame{0, 0, ScreenPixels(Handle(), kMonthlyImageWidth), ScreenPixels(Handle(), kMonthlyImageHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(Handle(), nullptr, outer.left + (outer.right - outer.left - width) / 2,
                 outer.top + (outer.bottom - outer.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& button : {std::make_pair(IDC_MONTHLY_SAVE, kMonthlySaveLeft),
                               std::make_pair(IDC_MONTHLY_PRINT, kMonthlyPrintLeft)})
        SetWindowPos(Item(button.first), nullptr, ScreenPixels(Handle(), button.second),
                     ScreenPixels(Handle(), kMonthlyButtonTop), ScreenPixels(Handle(), kMonthlyButtonWidth),
                     ScreenPixels(Handle(), kMonthlyButtonHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    Tips().Activate(true);
    Tips().Add(IDC_MONTHLY_SAVE, "save monthly outlook");
    Tips().Add(IDC_MONTHLY_PRINT, "print monthly outlook");

    // DialogBox runs its own message loop, and arrows and Enter would move
    // between or press the buttons: the keys are caught on their way through.
    CatchKey(VK_LEFT, [this] { Select(chart_.selected - 1); });
    CatchKey(VK_RIGHT, [this] { Select(chart_.selected + 1); });
    CatchKey(VK_RETURN, [this] { Choose(); });
    CatchKey(VK_F2, [this] { Print(); });
    spokenDay_.Create(Handle());
    spokenDay_.Publish(chart_.Spoken());
}

void MonthlyOutlookWindow::Paint()
{
    PaintWindow(Handle(), [this](Canvas& canvas) { chart_.DrawScreen(canvas); });
}

void MonthlyOutlookWindow::Select(int index)
{
    chart_.Select(index);
    spokenDay_.Publish(chart_.Spoken());
    // The band and the selection line leave their old places: the dialog's
    // grey is painted under the whole chart again.
    RECT chart{0, 0, ScreenPixels(Handle(), kMonthlyImageWidth), ScreenPixels(Handle(), kMonthlyButtonTop)};
    InvalidateRect(Handle(), &chart, TRUE);
}

void MonthlyOutlookWindow::Choose()
{
    if (!chart_.days.empty())
        End(IDOK);
}

void MonthlyOutlookWindow::Save()
{
    std::string chosen;
    if (!AskForJpegFile(Handle(), "Save Monthly Outlook", kFilter, chosen))
        return;
    bool encoderFound = false;
    if (WriteImage(chart_, chosen, encoderFound))
        ShowMessage(kMonthlyOutlookSaved, MessageKind::Information);
    else if (encoderFound)
        ShowMessage(kMonthlyOutlookNotSaved, MessageKind::Error);
}

void MonthlyOutlookWindow::Print()
{
    // The printed image is the running account's own, made afresh and gone
    // once printed: nothing another account could swap sits in the shared
    // folder meanwhile.
    const std::string path = CreatePrivateTempFile(".jpg");
    bool encoderFound = true;
    if (!path.empty() && WriteImage(chart_, path, encoderFound))
        PrintImageFile(path);
    else if (encoderFound)
        ShowMessage(kMonthlyOutlookNotSaved, MessageKind::Error);
    if (!path.empty())
        RemoveFileForced(path);
}

bool OpenMonthlyOutlook(HWND owner, const std::string& profilePath, const CivilDate& shownDate,
                        const std::string& dailyCaption, CivilDate& chosen)
{
    MonthlyChart chart;
    chart.title = MonthlyCaption(dailyCaption);
    chart.days = ComputeDailySeries(LoadProfile(profilePath), shownDate, kOutlookDays);
    MonthlyOutlookWindow window(chart);
    if (window.RunModal(owner) != IDOK)
        return false;
    chosen = window.SelectedDate();
    return true;
}
