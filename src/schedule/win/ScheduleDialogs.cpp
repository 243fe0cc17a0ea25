#include "schedule/win/ScheduleDialogs.h"

#include "mail/win/MailSenders.h"
#include "mail/win/MailSettingsDialog.h"
#include "schedule/DeliveryLog.h"
#include "schedule/DeliveryNotice.h"
#include "schedule/ScheduleDialogModel.h"
#include "schedule/win/CurrentlyScheduledDialog.h"
#include "schedule/win/ScheduleDialog.h"
#include "schedule/win/SecurityAttributesDialog.h"
#include "schedule/win/TaskSchedulerService.h"
#include "win/AccountFolders.h"
#include "win/MessageBoxes.h"

namespace {

TaskSchedulerService MakeService()
{
    return TaskSchedulerService([] { return SecurityAttributesDialog().Ask(); });
}

// Currently Scheduled; true, with the model filled from the record, when
// the user chose Change.
bool ChangeCurrentSchedule(HWND owner, const std::string& recordPath, ScheduleDialogModel& model)
{
    const ScheduleDisplay shown = ReadScheduleRecordForDisplay(recordPath);
    CurrentlyScheduledDialog current(shown, AccountDataDirectory() + kDeliveryLogName, recordPath);
    if (current.RunModal(owner) != IDOK)
        return false;
    model.TakeCurrent(shown);
    return true;
}

} // namespace

void RunScheduleDialogs(HWND owner, const std::string& profilePath, const Clock& clock)
{
    if (NeedsMailSettings())
        RunMailSettings(owner, kNoMailProgramReason);
    TaskSchedulerService service = MakeService();
    const std::string recordPath = ScheduleRecordPath();
    ScheduleDialogModel model(profilePath);
    if (ChooseScheduleEntry(recordPath, service) == ScheduleEntry::CurrentlyScheduled) {
        if (!ChangeCurrentSchedule(owner, recordPath, model))
            return;
    } else if (AwaitsConfirmation(recordPath)) {
        // The copied schedule is confirmed by saving it: it starts filled.
        model.TakeCurrent(ReadScheduleRecordForDisplay(recordPath));
    }
    ScheduleDialog(model, service, clock).RunModal(owner);
}

bool EndScheduleBeforeDeleting(const std::string& profilePath)
{
    TaskSchedulerService service = MakeService();
    return EndScheduleOfDeletedProfile(ScheduleRecordPath(), profilePath, service, AskQuestion);
}

void TellDeliveryTrouble(HWND owner, const Clock& clock)
{
    const std::string recordPath = ScheduleRecordPath();
    ScheduleRecord record;
    const ScheduleDisplay shown = ReadScheduleRecordForDisplay(recordPath);
    // A schedule copied from an earlier version is off until the user
    // confirms it, as the start has just said; its refusals are no failure.
    if (!shown.valid || !ReadScheduleRecordForDelivery(recordPath, record) || record.awaitsConfirmation)
        return;
    const std::string dataDirectory = AccountDataDirectory();
    const std::string last = LastDeliveryLogLine(dataDirectory + kDeliveryLogName);
    const std::optional<DeliveryNotice> notice = DeliveryNoticeFor(
        last, MissedText(recordPath, last, shown.storedTime), ReadReportedDelivery(dataDirectory));
    if (!notice)
        return;
    // Told is told, whatever the answer: the next start keeps quiet about it.
    WriteReportedDelivery(dataDirectory, notice->key);
    if (!AskQuestion(notice->text))
        return;
    ScheduleDialogModel model(record.profilePath);
    if (ChangeCurrentSchedule(owner, recordPath, model)) {
        TaskSchedulerService service = MakeService();
        ScheduleDialog(model, service, clock).RunModal(owner);
    }
}
