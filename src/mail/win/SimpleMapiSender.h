#pragma once
// The mail sender on Windows: Simple MAPI from "mapi32.dll" of System32, loaded
// at run time so the program starts on machines without a mail client.
#include "mail/MailSender.h"

#include <memory>

// Whether the program's windows are disabled while the mail program has the
// mail: a run without windows has none to protect.
enum class MailWindows { freeze, none };

// A sender for one message; without the library, its entry points or a mail
// program it answers "no mail library".
std::unique_ptr<MailSender> CreateMailSender(MailWindows windows);
// Whether such a sender could send now: asked before the user fills a mail.
bool CanSendThroughMailProgram();

// True when a mail program is registered as the account's or the machine's
// default with a Simple MAPI library of its own. The System32 library only
// hands mail over to that program; without one, Wine's hands it to a browser
// or desktop and reports success although nothing was sent.
bool HasMailProgram();
