#pragma once
// The password for the mail server, kept only in the Windows Credential
// Manager as the account's generic credential "Oracline Mail": never in a
// file or a log.
#include <string>

// Stores the password (narrow text as typed) for the user name; false when
// the Credential Manager refused it.
bool StoreMailPassword(const std::string& user, const std::string& password);
// The stored password in UTF-8, as the server is given it; false when there
// is none.
bool ReadMailPassword(std::string& utf8Password);
