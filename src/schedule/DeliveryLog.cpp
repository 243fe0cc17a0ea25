#include "schedule/DeliveryLog.h"

#include "base/SafeFileWriter.h"
#include "base/TextLines.h"

#include <cstdio>
#include <deque>

std::string DeliveryTimestamp(CivilDate date, int hour, int minute)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month, date.day, hour, minute);
    return text;
}

std::string FormatDeliveryLogLine(const DeliveryLogEntry& entry)
{
    // The profile and address come from a record every account can write: a
    // line break in them must not forge a line of its own.
    std::string line = entry.when + ", " + entry.profile + ", " + entry.email + ", " + entry.form + ", " + entry.outcome;
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return line;
}

bool AppendDeliveryLog(const std::string& logPath, const std::string& line)
{
    std::deque<std::string> lines;
    ForEachLine(logPath, [&](const std::string& read) {
        lines.push_back(read);
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
