#include "schedule/DeliveryNotice.h"

#include "base/SafeFileWriter.h"
#include "base/TextLines.h"
#include "schedule/DeliveryLog.h"

namespace {

const char* const kOpenQuestion = "\n\nDo you want to open Currently Scheduled?";

} // namespace

bool IsDeliveryDone(const std::string& logLine)
{
    const std::optional<DeliveryLogEntry> entry = ParseDeliveryLogLine(logLine);
    return entry && (IsSentOutcome(entry->outcome) || entry->outcome == kAlreadyDeliveredOutcome);
}

std::optional<DeliveryNotice> DeliveryNoticeFor(const std::string& lastLine, const std::string& missed,
                                                const std::string& reported)
{
    const bool failed = !lastLine.empty() && !IsDeliveryDone(lastLine);
    if (missed.empty() && !failed)
        return std::nullopt;
    DeliveryNotice notice;
    notice.key = missed.empty() ? lastLine : missed;
    if (notice.key == reported)
        return std::nullopt;
    const std::optional<DeliveryLogEntry> entry = ParseDeliveryLogLine(lastLine);
    // A line the log's writer could not have made is shown whole.
    const std::string reason = entry ? entry->outcome : lastLine;
    const std::string failure =
        "The daily e-mail of " + (entry ? entry->when : std::string("the last run")) + " was not sent: " + reason;
    if (missed.empty())
        notice.text = failure + kOpenQuestion;
    else
        notice.text = missed + (failed ? "\n" + failure : std::string()) + kOpenQuestion;
    return notice;
}

std::string ReadReportedDelivery(const std::string& dataDirectory)
{
    std::string key;
    bool first = true;
    ForEachLine(dataDirectory + kReportedDeliveryName, [&](const std::string& line) {
        if (first)
            key = line;
        first = false;
    });
    return key;
}

bool WriteReportedDelivery(const std::string& dataDirectory, const std::string& key)
{
    return WriteTextFileSafely(dataDirectory + kReportedDeliveryName, key + "\n");
}
