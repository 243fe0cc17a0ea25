#pragma once
// The mail sender on Windows: Simple MAPI from "mapi32.dll" of System32, loaded
// at run time so the program starts on machines without a mail client.
#include "mail/MailSender.h"

#include <memory>

// A sender for one message; HasMailLibrary tells whether the library and
// both entry points were found.
std::unique_ptr<MailSender> CreateMailSender();
