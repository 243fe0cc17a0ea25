#pragma once
// Handing what the composer holds to a mail sender, and what the user is told
// afterwards.
#include "composer/EmailComposer.h"
#include "mail/MailSender.h"

#include <string>
#include <vector>

inline constexpr const char* kNoMapiClientMessage = "Unable to send email. Make sure you use a MAPI client.  ";
inline constexpr const char* kEmptyMessageBody = "No message was included with this Daily Report...";

// The To text split at ";", each recipient trimmed of blanks; empty ones are
// dropped, since a mail client cannot resolve an empty name and would fail
// the whole message.
std::vector<std::string> SplitRecipients(const std::string& toText);

// The message field, or the fixed sentence when it is empty.
std::string MailBody(const std::string& message);

// Sends what the composer holds once. Returns the message to show
// afterwards, or an empty text when the mail went out or the user cancelled
// it in the mail client (a failed logon sent nothing, so it is a failure).
std::string SendComposedMail(MailSender& sender, const EmailComposer& composer);

// Removes the resized copy the composer attached, if any; the copy never
// outlives the composer run, whether the mail went out or not.
void RemoveResizedCopy(const EmailComposer& composer);
