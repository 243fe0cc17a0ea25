#include "mail/win/ComposerRun.h"

#include "win/AccountFolders.h"
#include "mail/ComposedMail.h"
#include "mail/win/EmailDialog.h"
#include "mail/win/SimpleMapiSender.h"
#include "win/WaitCursor.h"

#include <memory>

void RunEmailComposer(HWND owner, const std::string& reportPath)
{
    EmailComposer composer(reportPath);
    std::unique_ptr<MailSender> sender = CreateMailSender();
    // Without a mail library the user learns it before typing anything.
    std::string failure = sender->HasMailLibrary() ? "" : kNoMapiClientMessage;
    // A failed send opens the composer again with everything still in it and
    // the failure over it; Cancel there discards the mail.
    for (;;) {
        EmailDialog dialog(composer, AccountDataDirectory() + kContactsFileName, failure);
        if (dialog.RunModal(owner) != IDOK)
            break;
        WaitCursor wait;
        failure = SendComposedMail(*sender, composer);
        if (failure.empty())
            break;
    }
    RemoveResizedCopy(composer);
}
