#include "schedule/win/ScheduleDialogs.h"

#include "mail/win/MailSenders.h"
#include "mail/win/MailSettingsDialog.h"
#include "schedule/DeliveryLog.h"
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

} // namespace

void RunScheduleDialogs(HWND owner, const std::string& profilePath, const Clock& clock)
{
    if (NeedsMailSettings())
        RunMailSettings(owner, kNoMailProgramReason);
    TaskSchedulerService service = MakeService();
    const std::string recordPath = ScheduleRecordPath();
    ScheduleDialogModel model(profilePath);
    if (ChooseScheduleEntry(recordPath, service) == ScheduleEntry::CurrentlyScheduled) {
        const ScheduleDisplay shown = ReadScheduleRecordForDisplay(recordPath);
        CurrentlyScheduledDialog current(shown, AccountDataDirectory() + kDeliveryLogName, recordPath);
        if (current.RunModal(owner) != IDOK)
            return;
        model.TakeCurrent(shown);
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
