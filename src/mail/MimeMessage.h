#pragma once
// A mail as the mail server takes it (Internet message format with MIME):
// headers, the text as the body, each file as a base64 attachment. Texts
// come in UTF-8; lines end in CR LF.
#include "base/CivilDate.h"

#include <string>
#include <vector>

struct MimeAttachment {
    std::string name;   // as the receiver sees it
    std::string bytes;
};

struct MimeMail {
    std::string fromName;  // empty: the address alone
    std::string from;
    std::vector<std::string> to;
    std::string subject;
    std::string body;
    std::vector<MimeAttachment> attachments;
    std::string date;       // FormatMailDate
    std::string messageId;  // "<unique@domain>"
    std::string boundary;   // unique text that occurs nowhere in the parts
};

std::string Base64(const std::string& bytes);

// A header value as seven-bit text: unchanged when it is ASCII, otherwise
// the stretch from the first to the last word with a non-ASCII byte as
// UTF-8 encoded words of at most 75 characters, folded onto lines of their
// own; the ASCII words around it stay readable. Line breaks and other
// control characters become blanks, so a value never adds a header.
std::string EncodeHeaderText(const std::string& text);

// The sender's name as an RFC 5322 phrase: as it is when it is words of
// plain atom characters, otherwise quoted, and when it goes beyond ASCII, all
// of it as encoded words. Control characters become blanks.
std::string EncodeDisplayName(const std::string& text);

// "Mon, 07 Dec 2026 07:05:09 +0100". `weekday` 0 is Sunday;
// `utcOffsetMinutes` is local time minus UTC.
std::string FormatMailDate(CivilDate date, int weekday, int hour, int minute, int second, int utcOffsetMinutes);

// The MIME type an attachment is sent as, by its name's ending.
const char* AttachmentType(const std::string& name);

std::string BuildMimeMessage(const MimeMail& mail);

// The message as the DATA command sends it: every line that starts with "."
// gets a second one, bare LF and CR become CR LF, and ".\r\n" ends it.
std::string DotStuff(const std::string& message);
