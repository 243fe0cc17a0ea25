#include "mail/win/ComposerRun.h"

#include "base/DataPaths.h"
#include "mail/ComposedMail.h"
#include "mail/win/EmailDialog.h"
#include "mail/win/SimpleMapiSender.h"
#include "win/MessageBoxes.h"
#include "win/WaitCursor.h"

#include <memory>

void RunEmailComposer(HWND owner, const std::string& reportPath)
{
    EmailComposer composer(reportPath);
    EmailDialog dialog(composer, std::string(DataPaths::dataDirectory) + kContactsFileName);
    if (dialog.RunModal(owner) != IDOK) {
        RemoveResizedCopy(composer);
        return;
    }
    std::string failure;
    {
        std::unique_ptr<MailSender> sender = CreateMailSender();
        WaitCursor wait;
        failure = SendComposedMail(*sender, composer);
        RemoveResizedCopy(composer);
    }
    if (!failure.empty())
        ShowMessage(failure, MessageKind::Error);
}
