#include "schedule/win/ScheduleDialog.h"

#include "ScheduleIds.h"
#include "mail/win/MailSettingsDialog.h"
#include "pages/win/PageFolder.h"
#include "win/AccountFolders.h"
#include "pages/win/PageWindow.h"
#include "schedule/EmailHelpPage.h"
#include "win/ComboBox.h"
#include "win/MessageBoxes.h"

namespace {

// The help page window's size in 96-dpi pixels.
const int kEmailHelpWidth = 720, kEmailHelpHeight = 450;

void Fill(HWND dialog, int controlId, const std::vector<std::string>& entries, int selection)
{
    ComboBox list(dialog, controlId);
    list.Clear();
    for (const std::string& entry : entries)
        list.Add(entry);
    list.Select(selection);
}

} // namespace

ScheduleDialog::ScheduleDialog(ScheduleDialogModel& model, ScheduleService& service, const Clock& clock)
    : Dialog(IDD_SCHEDULE), model_(model), service_(service), dataDirectory_(AccountDataDirectory()), clock_(clock)
{
    OnCommand(IDC_SCHEDULE_HOUR, CBN_SELCHANGE, [this] { HourChanged(); });
    OnCommand(IDC_SCHEDULE_MINUTE, CBN_SELCHANGE,
              [this] { model_.MinuteSelected(ComboBox(Handle(), IDC_SCHEDULE_MINUTE).Selection()); });
    OnCommand(IDC_SCHEDULE_TYPE, CBN_SELCHANGE,
              [this] { model_.TypeSelected(ComboBox(Handle(), IDC_SCHEDULE_TYPE).Selection()); });
    OnClicked(IDC_SCHEDULE_HELP, [this] { ShowHelp(); });
    OnClicked(IDC_SCHEDULE_MAIL_SETTINGS, [this] { RunMailSettings(Handle(), ""); });
}

void ScheduleDialog::OnInitDialog()
{
    UseBoldFont({IDC_SCHEDULE_AT_LABEL, IDC_SCHEDULE_HOUR, IDC_SCHEDULE_MINUTE, IDC_SCHEDULE_DAY_HALF,
                 IDC_SCHEDULE_PROFILE_LABEL, IDC_SCHEDULE_PROFILE, IDC_SCHEDULE_EMAIL_LABEL, IDC_SCHEDULE_EMAIL,
                 IDC_SCHEDULE_TYPE_LABEL, IDC_SCHEDULE_TYPE, IDOK, IDC_SCHEDULE_HELP, IDC_SCHEDULE_MAIL_SETTINGS,
                 IDCANCEL});
    SetLabelColour(IDC_SCHEDULE_AT_LABEL, RGB(255, 255, 255));
    SetLabelColour(IDC_SCHEDULE_DAY_HALF, RGB(0, 0, 0));
    SetLabelColour(IDC_SCHEDULE_PROFILE_LABEL, RGB(0, 255, 0));
    SetLabelColour(IDC_SCHEDULE_PROFILE, RGB(0, 0, 255));
    SetLabelColour(IDC_SCHEDULE_EMAIL_LABEL, RGB(255, 255, 0));
    SetLabelColour(IDC_SCHEDULE_TYPE_LABEL, RGB(0, 0, 255));

    Fill(Handle(), IDC_SCHEDULE_HOUR, HourEntries(), model_.hour - 1);
    Fill(Handle(), IDC_SCHEDULE_MINUTE, MinuteEntries(), model_.minute);
    Fill(Handle(), IDC_SCHEDULE_TYPE, ReportTypeEntries(), model_.reportType);
    LimitItemText(IDC_SCHEDULE_EMAIL, kLongestAddress);

    SetItemText(IDC_SCHEDULE_AT_LABEL, "Schedule to email report at: ");
    SetItemText(IDC_SCHEDULE_PROFILE_LABEL, "Profile:");
    SetItemText(IDC_SCHEDULE_EMAIL_LABEL, "Email To:");
    SetItemText(IDC_SCHEDULE_TYPE_LABEL, "Report Type:");
    SetItemText(IDC_SCHEDULE_PROFILE, model_.profilePath);
    SetItemText(IDC_SCHEDULE_EMAIL, model_.address);
    SetItemText(IDC_SCHEDULE_DAY_HALF, model_.DayHalf());
}

void ScheduleDialog::HourChanged()
{
    model_.HourSelected(ComboBox(Handle(), IDC_SCHEDULE_HOUR).Selection());
    SetItemText(IDC_SCHEDULE_DAY_HALF, model_.DayHalf());
}

void ScheduleDialog::OnOK()
{
    const std::string address = ItemText(IDC_SCHEDULE_EMAIL);
    const std::string refusal = CheckAddress(address);
    if (!refusal.empty()) {
        ShowMessage(refusal, MessageKind::Error);
        return;
    }
    // What the lists show is what is saved.
    model_.HourSelected(ComboBox(Handle(), IDC_SCHEDULE_HOUR).Selection());
    model_.MinuteSelected(ComboBox(Handle(), IDC_SCHEDULE_MINUTE).Selection());
    model_.TypeSelected(ComboBox(Handle(), IDC_SCHEDULE_TYPE).Selection());

    const ScheduleSaveResult result =
        SaveSchedule(model_.Record(address), ScheduleRecordPath(), service_, clock_.Today());
    if (!result.saved) {
        ShowMessage(result.message, MessageKind::Error);
        return;
    }
    ShowMessage(result.message, MessageKind::Information);
    End(IDOK);
}

void ScheduleDialog::OnCancel()
{
    model_.Reset();
    End(IDCANCEL);
}

void ScheduleDialog::ShowHelp()
{
    ShowPageModal(Handle(), WriteEmailHelpPage(ProgramPageFolder()), kEmailHelpTitle, kEmailHelpWidth, kEmailHelpHeight);
}
