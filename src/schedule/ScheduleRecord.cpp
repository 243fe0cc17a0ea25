#include "schedule/ScheduleRecord.h"

#include "base/PathText.h"
#include "base/SafeFileWriter.h"
#include "base/TextLines.h"
#include "platform/FileOps.h"

#include <cstring>
#include <functional>
#include <optional>

namespace {

const char* const kProfileKey = "Profile:";
const char* const kEmailKey = "Email:";
const char* const kTimeKey = "Time:";
const char* const kTypeKey = "Type:";

enum class Key { None, Profile, Email, Time, Type, Copied };

// Calls `onValue` with the key and value of every line that starts with one
// of the record's keys, in file order.
bool ForEachEntry(const std::string& recordPath, const std::function<void(Key, const std::string&)>& onValue)
{
    static const std::pair<Key, const char*> keys[] = {
        {Key::Profile, kProfileKey}, {Key::Email, kEmailKey}, {Key::Time, kTimeKey}, {Key::Type, kTypeKey},
        {Key::Copied, kCopiedRecordKey}};
    return ForEachLine(recordPath, [&](const std::string& read) {
        // A record written on Windows and read elsewhere keeps its CRs.
        std::string line = read;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        for (const auto& key : keys) {
            if (StartsWithKey(line, key.second)) {
                onValue(key.first, line.substr(std::strlen(key.second)));
                return;
            }
        }
    });
}

} // namespace

const char* DayHalfOf(int hour)
{
    return hour < 12 ? "AM" : "PM";
}

std::string FormatScheduleRecord(const ScheduleRecord& record)
{
    return std::string(kProfileKey) + record.profilePath + "\n" + kEmailKey + record.email + "\n" + kTimeKey +
           std::to_string(record.hour) + ":" + std::to_string(record.minute) + DayHalfOf(record.hour) + "\n" +
           kTypeKey + std::to_string(record.reportType) + "\n";
}

bool WriteScheduleRecord(const std::string& recordPath, const ScheduleRecord& record)
{
    return WriteTextFileSafely(recordPath, FormatScheduleRecord(record));
}

void RemoveScheduleRecord(const std::string& recordPath)
{
    RemoveFileForced(recordPath);
}

std::string ScheduledFileName(const std::string& path)
{
    const size_t n = path.size();
    if (n >= 4 && path[n - 4] != '.' && path[n - 3] != '.' && path[n - 2] != '.')
        return "";
    return FileNameOf(path, PathSeparators::backslash);
}

bool ReadScheduleRecordForDelivery(const std::string& recordPath, ScheduleRecord& record)
{
    record = ScheduleRecord();
    return ForEachEntry(recordPath, [&](Key key, const std::string& value) {
        switch (key) {
        case Key::Profile: record.profilePath = value; break;
        case Key::Email: record.email = value; break;
        case Key::Copied: record.awaitsConfirmation = true; break;
        case Key::Type:
            if (!value.empty()) {
                const int type = LeadingInteger(value);
                record.reportType = type == ReportType::fullColours ? type : ReportType::plainText;
            }
            break;
        default: break;  // the registered task decides the time
        }
    });
}

bool AwaitsConfirmation(const std::string& recordPath)
{
    ScheduleRecord record;
    return ReadScheduleRecordForDelivery(recordPath, record) && record.awaitsConfirmation;
}

ScheduleDisplay ReadScheduleRecordForDisplay(const std::string& recordPath)
{
    ScheduleDisplay shown;
    ForEachEntry(recordPath, [&](Key key, const std::string& value) {
        switch (key) {
        case Key::Profile: shown.profile = ScheduledFileName(value); break;
        case Key::Email: shown.email = value; break;
        case Key::Time: shown.storedTime = value; break;
        case Key::Type:
            // Any non-zero number reads as full colours here, though the
            // delivery sends plain text for anything but 1.
            if (!value.empty()) {
                shown.reportType = LeadingInteger(value) != 0 ? ReportType::fullColours : ReportType::plainText;
                shown.typeText = shown.reportType == ReportType::fullColours ? kFullColoursText : kPlainTextText;
            }
            break;
        default: break;
        }
    });
    shown.valid = !shown.profile.empty() && !shown.email.empty();
    return shown;
}

bool IsProfileScheduled(const std::string& recordPath, const std::string& profilePath)
{
    const std::string wanted = ScheduledFileName(profilePath);
    bool scheduled = false;
    ForEachEntry(recordPath, [&](Key key, const std::string& value) {
        if (key == Key::Profile && ScheduledFileName(value) == wanted)
            scheduled = true;
    });
    return scheduled;
}

std::optional<ClockTime> ParseStoredTime(const std::string& stored)
{
    // "H:M" then "AM" or "PM", as the writer puts it; the hour is on the
    // 24-hour clock there, but a hand-written 12-hour form reads as meant.
    int parts[2] = {0, 0};
    std::size_t at = 0;
    for (int& part : parts) {
        const std::size_t start = at;
        while (at < stored.size() && at - start < 2 && stored[at] >= '0' && stored[at] <= '9')
            part = part * 10 + (stored[at++] - '0');
        if (at == start)
            return std::nullopt;
        if (&part == &parts[0] && (at >= stored.size() || stored[at++] != ':'))
            return std::nullopt;
    }
    std::string half = stored.substr(at);
    while (!half.empty() && half.front() == ' ')
        half.erase(0, 1);
    int hour = parts[0];
    const int minute = parts[1];
    if (half == "PM" && hour < 12)
        hour += 12;
    else if (half == "AM" && hour == 12)
        hour = 0;
    else if (half != "AM" && half != "PM" && !half.empty())
        return std::nullopt;
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return ClockTime{hour, minute};
}
