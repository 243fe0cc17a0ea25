#include "schedule/DeliveryLog.h"

#include "base/Utf8Text.h"
#include "base/SafeFileWriter.h"
#include "base/TextLines.h"

#include <algorithm>
#include <cstdio>
#include <deque>

namespace {

// The line reader hands a line of 499 characters or more back in pieces, and
// each piece written back would read as a piece and an empty line: the log
// would outgrow its line limit. Lines are kept below that length instead.
constexpr std::size_t kLongestLine = 498;

// A field holding the separator or a quote is quoted, its quotes doubled (as
// in CSV): nothing a field brings can end it and start another, so a refused
// record cannot log a line that reads as sent.
std::string LogField(const std::string& value)
{
    if (value.find_first_of(",\"") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (char c : value)
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string DeliveryTimestamp(CivilDate date, int hour, int minute)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month, date.day, hour, minute);
    return text;
}

std::string FormatDeliveryLogLine(const DeliveryLogEntry& entry)
{
    // The profile and address come from the record, written by hand as
    // likely as by the program: a line break in them must not forge a line.
    std::string line = LogField(entry.when);
    for (const std::string* field : {&entry.profile, &entry.email, &entry.form, &entry.outcome})
        line += ", " + LogField(*field);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    // A server's answer may be cut anywhere; cut between characters here too:
    // a file that stops being UTF-8 is read in the old code page.
    return Utf8Prefix(Utf8Repaired(line, '?'), kLongestLine);
}

bool AppendDeliveryLog(const std::string& logPath, const std::string& line)
{
    std::deque<std::string> lines;
    ForEachLine(logPath, [&](const std::string& read) {
        lines.push_back(Utf8Prefix(read, kLongestLine));
        if (lines.size() >= static_cast<size_t>(kDeliveryLogLines))
            lines.pop_front();  // room for the new line
    });
    lines.push_back(line);
    std::string text;
    for (const std::string& kept : lines)
        text += kept + "\n";
    return WriteTextFileSafely(logPath, text);
}

std::string LastDeliveryLogLine(const std::string& logPath)
{
    std::string last;
    ForEachLine(logPath, [&](const std::string& read) {
        if (!read.empty())
            last = read;
    });
    return last;
}

bool IsSentOutcome(const std::string& outcome)
{
    return outcome == "sent" || outcome.compare(0, 5, "sent:") == 0;
}

std::optional<DeliveryLogEntry> ParseDeliveryLogLine(const std::string& line)
{
    std::string fields[5];
    std::size_t at = 0;
    for (int index = 0; index < 5; ++index) {
        std::string& field = fields[index];
        if (at < line.size() && line[at] == '"') {
            for (++at;; ++at) {
                if (at >= line.size())
                    return std::nullopt;
                if (line[at] == '"' && (at + 1 >= line.size() || line[at + 1] != '"'))
                    break;
                field += line[at];
                at += line[at] == '"';
            }
            ++at;
        } else {
            const std::size_t end = std::min(line.find(", ", at), line.size());
            field = line.substr(at, end - at);
            at = end;
        }
        if (index < 4 && line.compare(at, 2, ", ") != 0)
            return std::nullopt;
        at += 2;
    }
    if (at - 2 != line.size())
        return std::nullopt;
    return DeliveryLogEntry{fields[0], fields[1], fields[2], fields[3], fields[4]};
}

bool WasDeliveredOn(const std::string& logPath, CivilDate day, const std::string& profile, const std::string& email)
{
    const std::string date = DeliveryTimestamp(day, 0, 0).substr(0, 10);
    bool delivered = false;
    ForEachLine(logPath, [&](const std::string& read) {
        const std::optional<DeliveryLogEntry> entry = ParseDeliveryLogLine(read);
        delivered = delivered ||
                    (entry && entry->when.compare(0, date.size(), date) == 0 && entry->when.size() == 16 &&
                     entry->profile == profile && entry->email == email &&
                     IsSentOutcome(entry->outcome));
    });
    return delivered;
}
