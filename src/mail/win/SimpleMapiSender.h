#pragma once
// The mail sender on Windows: Simple MAPI from "mapi32.dll", loaded at run
// time so the program starts on machines without a mail client.
#include "mail/MailSender.h"

#include <memory>

// A sender whose TakeError tells whether the library and both entry points
// were found (0, kNoMailLibrary or kMissingEntryPoint).
std::unique_ptr<MailSender> CreateMailSender();
