#include "schedule/DeliveryLog.h"

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
    line.resize(std::min(line.size(), kLongestLine));
    return line;
}

bool AppendDeliveryLog(const std::string& logPath, const std::string& line)
{
    std::deque<std::string> lines;
    ForEachLine(logPath, [&](const std::string& read) {
        lines.push_back(read.substr(0, kLongestLine));
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
