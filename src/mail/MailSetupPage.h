#pragma once
// The page behind Mail Settings' Help button: the servers of the common
// providers, with their ports and security, and why a provider with two-step
// sign-in wants an app password.
#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kMailSetupTitle = " Mail Settings Help";

std::string MailSetupContent();

// Writes "mail_e.htm" and "mail_r.htm" into the page folder and returns the
// full path of "mail_e.htm".
std::string WriteMailSetupPage(PageSink& sink);
