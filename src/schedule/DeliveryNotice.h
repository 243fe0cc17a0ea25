#pragma once
// What the next interactive start says about the daily e-mail: the
// unattended run shows nothing, so a failed or missed delivery would stay
// unknown until Currently Scheduled is opened. Each trouble is told once:
// the data folder keeps the key of the last one told.
#include <optional>
#include <string>

// The file in the data folder holding the key of the trouble last told.
inline constexpr const char* kReportedDeliveryName = "reported.txt";

struct DeliveryNotice {
    std::string key;   // what reported.txt keeps once it is told
    std::string text;  // the question, answered Yes to open Currently Scheduled
};

// Whether a log line records a delivery that went out (or needed not: the
// day's report had gone already).
bool IsDeliveryDone(const std::string& logLine);

// The notice for `lastLine`, the newest line of the delivery log, and
// `missed`, what MissedDeliveryText says (empty while none is missed); none
// when all is well or when its key is `reported`. A missed delivery is the
// newer trouble and is keyed by its text, which names the run that was due;
// a failed one by its log line.
std::optional<DeliveryNotice> DeliveryNoticeFor(const std::string& lastLine, const std::string& missed,
                                                const std::string& reported);

// The key last told, read from reported.txt's first line; empty without one.
std::string ReadReportedDelivery(const std::string& dataDirectory);
// Records `key` as told; false when the file could not be written.
bool WriteReportedDelivery(const std::string& dataDirectory, const std::string& key);
