#pragma once
// Where every mail of the program goes: the composer's and the scheduled
// run's alike. The account's "mail.ini" chooses the mail server; otherwise
// the mail program takes it through Simple MAPI.
#include "mail/MailSettings.h"
#include "mail/ServerMailSender.h"
#include "mail/win/SimpleMapiSender.h"

#include <memory>
#include <string>

// The sender the account's settings choose.
std::unique_ptr<MailSender> CreateConfiguredSender(MailWindows windows = MailWindows::freeze);
// A sender to the server of these settings, with the password in UTF-8.
std::unique_ptr<ServerMailSender> CreateServerSender(const MailSettings& settings, const std::string& password);

// The account's settings ("mail.ini" in the data folder); the defaults when
// there is none.
MailSettings ReadAccountMailSettings();
std::string AccountMailSettingsPath();

// Whether the sender the settings choose could send now: asked before the
// user fills a mail.
bool CanSendMail();

// True when mail has no way out: no server chosen and no mail program.
bool NeedsMailSettings();
