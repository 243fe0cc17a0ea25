#include "schedule/win/CurrentlyScheduledDialog.h"

#include "ScheduleIds.h"
#include "schedule/DeliveryLog.h"
#include "schedule/ScheduleRecord.h"
#include "win/Controls.h"

CurrentlyScheduledDialog::CurrentlyScheduledDialog(const std::string& recordPath, const std::string& logPath)
    : Dialog(IDD_CURRENTLY_SCHEDULED), recordPath_(recordPath), logPath_(logPath)
{
}

void CurrentlyScheduledDialog::OnInitDialog()
{
    UseBoldFont({IDC_CURRENT_PROFILE_LABEL, IDC_CURRENT_PROFILE, IDC_CURRENT_EMAIL_LABEL, IDC_CURRENT_EMAIL,
                 IDC_CURRENT_TIME, IDC_CURRENT_TYPE, IDOK, IDCANCEL});
    SetLabelColour(IDC_CURRENT_PROFILE_LABEL, RGB(0, 255, 0));
    SetLabelColour(IDC_CURRENT_PROFILE, RGB(0, 0, 0));
    SetLabelColour(IDC_CURRENT_EMAIL_LABEL, RGB(255, 255, 0));
    SetLabelColour(IDC_CURRENT_EMAIL, RGB(0, 0, 0));
    SetLabelColour(IDC_CURRENT_TIME, RGB(0, 0, 255));
    SetLabelColour(IDC_CURRENT_TYPE, RGB(255, 255, 255));
    SetLabelColour(IDC_CURRENT_LAST_DELIVERY, RGB(0, 0, 0));

    const ScheduleDisplay shown = ReadScheduleRecordForDisplay(recordPath_);
    Controls::SetText(Handle(), IDC_CURRENT_PROFILE_LABEL, "Profile:");
    Controls::SetText(Handle(), IDC_CURRENT_EMAIL_LABEL, "Email To:");
    Controls::SetText(Handle(), IDC_CURRENT_PROFILE, shown.profile);
    Controls::SetText(Handle(), IDC_CURRENT_EMAIL, shown.email);
    Controls::SetText(Handle(), IDC_CURRENT_TIME, shown.timeText);
    Controls::SetText(Handle(), IDC_CURRENT_TYPE, shown.typeText);
    const std::string last = LastDeliveryLogLine(logPath_);
    Controls::SetText(Handle(), IDC_CURRENT_LAST_DELIVERY, last.empty() ? "" : "Last delivery: " + last);
}
