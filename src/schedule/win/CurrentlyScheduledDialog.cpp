#include "schedule/win/CurrentlyScheduledDialog.h"

#include "ScheduleIds.h"
#include "schedule/DeliveryLog.h"
#include "schedule/MissedDelivery.h"

#include <utility>

namespace {

// As the clock in the taskbar shows it ("14:03", "2:03 PM"); the record keeps
// its own form, and a value that is no time is shown as stored.
std::string ShownTime(const std::string& stored)
{
    const std::optional<ClockTime> time = ParseStoredTime(stored);
    if (!time)
        return stored;
    SYSTEMTIME at{};
    at.wYear = 2000;
    at.wMonth = 1;
    at.wDay = 1;
    at.wHour = static_cast<WORD>(time->hour);
    at.wMinute = static_cast<WORD>(time->minute);
    char text[64];
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &at, nullptr, text, sizeof text) == 0)
        return stored;
    return text;
}

LocalMinute LocalMinuteOf(const SYSTEMTIME& time)
{
    return {{time.wYear, time.wMonth, time.wDay}, time.wHour, time.wMinute};
}

} // namespace

std::string MissedText(const std::string& recordPath, const std::string& lastLine, const std::string& storedTime)
{
    const std::optional<ClockTime> daily = ParseStoredTime(storedTime);
    WIN32_FILE_ATTRIBUTE_DATA record{};
    FILETIME local{};
    SYSTEMTIME saved{};
    if (!daily || !GetFileAttributesExA(recordPath.c_str(), GetFileExInfoStandard, &record) ||
        !FileTimeToLocalFileTime(&record.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &saved))
        return "";
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return MissedDeliveryText(ParseLogTime(lastLine), LocalMinuteOf(saved), *daily, LocalMinuteOf(now));
}

namespace {

// Posted once the dialog manager has given Change the first focus.
const UINT kTabIntoLastDelivery = WM_APP + 1;

// A server's answer can make the last delivery longer than its frame has
// room for: then the text scrolls, and false keeps the scroll bar. Otherwise
// no scroll bar takes room from it.
bool FitsWithoutScrolling(HWND edit)
{
    HDC dc = GetDC(edit);
    const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICA font{};
    GetTextMetricsA(dc, &font);
    SelectObject(dc, before);
    ReleaseDC(edit, dc);
    RECT area{};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const bool fits = SendMessageA(edit, EM_GETLINECOUNT, 0, 0) * font.tmHeight <= area.bottom - area.top;
    if (fits)
        ShowScrollBar(edit, SB_VERT, FALSE);
    return fits;
}

} // namespace

CurrentlyScheduledDialog::CurrentlyScheduledDialog(ScheduleDisplay shown, const std::string& logPath,
                                                   const std::string& recordPath)
    : Dialog(IDD_CURRENTLY_SCHEDULED), shown_(std::move(shown)), logPath_(logPath), recordPath_(recordPath)
{
    // Text that scrolls is a tab stop, so the keys scroll it too; only from
    // now on, so the first focus stays on Change.
    OnWindowMessage(kTabIntoLastDelivery, [this](WPARAM, LPARAM) -> std::optional<INT_PTR> {
        HWND text = Item(IDC_CURRENT_LAST_DELIVERY);
        SetWindowLongPtrA(text, GWL_STYLE, GetWindowLongPtrA(text, GWL_STYLE) | WS_TABSTOP);
        return 0;
    });
}

void CurrentlyScheduledDialog::OnInitDialog()
{
    UseBoldFont({IDC_CURRENT_PROFILE_LABEL, IDC_CURRENT_PROFILE, IDC_CURRENT_EMAIL_LABEL, IDC_CURRENT_EMAIL,
                 IDC_CURRENT_TIME, IDC_CURRENT_TYPE, IDC_CURRENT_LAST_DELIVERY, IDOK, IDCANCEL});
    SetLabelColour(IDC_CURRENT_PROFILE_LABEL, RGB(0, 255, 0));
    SetLabelColour(IDC_CURRENT_PROFILE, RGB(0, 0, 0));
    SetLabelColour(IDC_CURRENT_EMAIL_LABEL, RGB(255, 255, 0));
    SetLabelColour(IDC_CURRENT_EMAIL, RGB(0, 0, 0));
    SetLabelColour(IDC_CURRENT_TIME, RGB(0, 0, 255));
    SetLabelColour(IDC_CURRENT_TYPE, RGB(255, 255, 255));
    SetLabelColour(IDC_CURRENT_LAST_DELIVERY, RGB(0, 0, 0));

    const ScheduleDisplay& shown = shown_;
    SetItemText(IDC_CURRENT_PROFILE_LABEL, "Profile:");
    SetItemText(IDC_CURRENT_EMAIL_LABEL, "Email To:");
    SetItemText(IDC_CURRENT_PROFILE, shown.profile);
    SetItemText(IDC_CURRENT_EMAIL, shown.email);
    SetItemText(IDC_CURRENT_TIME, kDeliverAtLabel + ShownTime(shown.storedTime));
    SetItemText(IDC_CURRENT_TYPE, shown.typeText);
    const std::string last = LastDeliveryLogLine(logPath_);
    const std::string missed = MissedText(recordPath_, last, shown.storedTime);
    const std::string lastText = last.empty() ? "" : "Last delivery: " + last;
    SetItemText(IDC_CURRENT_LAST_DELIVERY, missed.empty() ? lastText : missed + "\r\n" + lastText);
    if (!FitsWithoutScrolling(Item(IDC_CURRENT_LAST_DELIVERY)))
        PostMessageA(Handle(), kTabIntoLastDelivery, 0, 0);
    if (!missed.empty())
        SetLabelColour(IDC_CURRENT_LAST_DELIVERY, RGB(255, 255, 0));
}
