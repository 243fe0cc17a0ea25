#pragma once
// What the mail program's answer to MAPISendMail means for the mail.
#include "mail/MailSender.h"

// Simple MAPI result codes the program tells apart.
namespace MapiResult {
constexpr unsigned long kSuccess = 0;
constexpr unsigned long kUserAbort = 1;
} // namespace MapiResult

// The log keeps the code itself ("MAPI result 3"): mail programs give it
// meanings of their own beyond the few told apart here.
SendReport MapiSendReport(unsigned long code);
