#pragma once
// "delivery.log" in the data directory: one line per unattended run, so the
// user can see whether the daily mails go out although the run itself shows
// nothing. Only the newest lines are kept; no body and no password is ever
// written.
#include "base/Clock.h"

#include <optional>
#include <string>

inline constexpr const char* kDeliveryLogName = "delivery.log";
inline constexpr int kDeliveryLogLines = 100;

struct DeliveryLogEntry {
    std::string when;     // local "YYYY-MM-DD HH:MM"
    std::string profile;  // the profile's file name
    std::string email;
    std::string form;     // "plain text", "full colours", the fall-back, "nothing sent"
    std::string outcome;  // "sent", "MAPI result N", "record refused: why", ...
};

std::string DeliveryTimestamp(CivilDate date, int hour, int minute);

// "2026-12-07 07:05, Jane Doe.ini, jane@example.com, full colours, sent"; a
// field holding a comma or a quote is quoted, its quotes doubled; control
// characters become "?", and a line is cut after 498 characters.
std::string FormatDeliveryLogLine(const DeliveryLogEntry& entry);

// Adds the line behind the existing ones and keeps the last
// kDeliveryLogLines; false when the file could not be replaced.
bool AppendDeliveryLog(const std::string& logPath, const std::string& line);

// The newest line, or an empty text without a log.
std::string LastDeliveryLogLine(const std::string& logPath);

// The outcome of a run that found today's report already sent.
inline constexpr const char* kAlreadyDeliveredOutcome = "already delivered today";

// True for an outcome that says the mail went out: "sent", or a mail
// server's "sent: 250 ...".
bool IsSentOutcome(const std::string& outcome);

// The fields of a line as FormatDeliveryLogLine writes them; nothing for a
// line it could not have written (another field count, an unclosed quote).
std::optional<DeliveryLogEntry> ParseDeliveryLogLine(const std::string& line);

// True when the log holds a line of `day` that says `profile`'s report went
// out to `email` ("sent", or a mail server's "sent: 250 ..." answer).
bool WasDeliveredOn(const std::string& logPath, CivilDate day, const std::string& profile, const std::string& email);
