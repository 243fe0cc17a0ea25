#include "app/win/SharedDataMove.h"

#include "app/SharedDataImport.h"
#include "base/DataPaths.h"
#include "schedule/win/TaskSchedulerService.h"
#include "win/AccountFolders.h"
#include "win/MessageBoxes.h"

namespace {

DataFolders AccountDataFolders()
{
    return {DataPaths::programDirectory, DataPaths::sharedReportsDirectory, AccountDataDirectory(),
            AccountReportsDirectory()};
}

} // namespace

void TakeOverSharedData(bool sharedJobRun)
{
    const bool copied = ImportSharedData(AccountDataFolders()) == SharedDataImport::copied;
    if (copied || sharedJobRun)
        TaskSchedulerService(nullptr).AdoptSharedJob();
}

void SayWhereSharedDataWent()
{
    if (TakeImportNotice(AccountDataDirectory()))
        ShowMessage(ImportNoticeText(AccountDataFolders()) + CopiedScheduleText(ScheduleRecordPath()),
                    MessageKind::Information);
}
