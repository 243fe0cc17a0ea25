#pragma once
// The password for the mail server, kept only in the Windows Credential
// Manager as the account's generic credential "Oracline Mail", with the
// server, port and user name it was entered for beside it (its user name and
// comment): never in a file or a log, and handed to no other server.
#include "mail/MailSettings.h"

#include <string>

// Stores the password (narrow text as typed) for the settings' server, port
// and user name; false when the Credential Manager refused it.
bool StoreMailPassword(const MailSettings& settings, const std::string& password);
// The stored password in UTF-8, as the server is given it; false, and empty,
// when there is none or it was kept for another server, port or user name.
bool ReadMailPassword(const MailSettings& settings, std::string& utf8Password);
// The MailPasswordBinding the stored password was kept for; empty when none
// is stored.
std::string StoredMailPasswordBinding();
