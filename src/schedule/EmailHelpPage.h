#pragma once
// The e-mail help page behind the Schedule dialog's Help button: why an
// unattended delivery needs a mail program that sends without asking.
#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kEmailHelpTitle = " E-mail: Outlook and Outlook Express";

std::string EmailHelpContent();

// Writes "email_e.htm" and "email_r.htm" into the page folder and returns
// the full path of "email_e.htm".
std::string WriteEmailHelpPage(PageSink& sink);
