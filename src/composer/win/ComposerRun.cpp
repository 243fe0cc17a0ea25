#include "composer/win/ComposerRun.h"

#include "win/AccountFolders.h"
#include "composer/ComposedMail.h"
#include "composer/win/EmailDialog.h"
#include "mail/win/MailSenders.h"
#include "mail/win/MailSettingsDialog.h"
#include "win/WaitCursor.h"

#include <memory>

void RunEmailComposer(HWND owner, const std::string& reportPath)
{
    EmailComposer composer(reportPath);
    // With no way to send, the settings come first; the user learns why.
    if (NeedsMailSettings())
        RunMailSettings(owner, kNoMailProgramReason);
    // Without a mail library the user learns it before typing anything.
    std::string failure = CanSendMail() ? "" : kNoMapiClientMessage;
    // A failed send opens the composer again with everything still in it and
    // the failure over it; Cancel there discards the mail. The sender is made
    // for each send: the settings may have changed in between.
    for (;;) {
        EmailDialog dialog(composer, AccountDataDirectory() + kContactsFileName, failure);
        if (dialog.RunModal(owner) != IDOK)
            break;
        WaitCursor wait;
        std::unique_ptr<MailSender> sender = CreateConfiguredSender();
        // Settings that choose a server they do not name give no sender.
        failure = sender ? SendComposedMail(*sender, composer) : kNoMapiClientMessage;
        if (failure.empty())
            break;
    }
    RemoveResizedCopy(composer);
}
