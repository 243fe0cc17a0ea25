#pragma once
// The schedule record "task.dtr": which profile is analysed every day, to
// whom the report goes and in which form. Four "Key:value" lines: Profile,
// Email, Time (for display only) and Type.
#include <optional>
#include <string>

struct ScheduleRecord {
    std::string profilePath;  // full path of the profile file
    std::string email;
    int hour = 0;             // 1..23
    int minute = 0;           // 0..59
    std::string dayHalf;      // "AM" or "PM"
    int reportType = 0;       // 1 = the report image, 0 = plain text
    // Copied from an earlier version's shared folder and not yet confirmed
    // by the user in the Schedule dialog (whose Save writes a record anew).
    bool awaitsConfirmation = false;
};

// The line a copied record carries until the user confirms it: "Copied:"
// and the folder it came from. The four-line record the dialog writes has
// none, and earlier versions' readers pass it over.
inline constexpr const char* kCopiedRecordKey = "Copied:";

namespace ReportType {
inline constexpr int plainText = 0;
inline constexpr int fullColours = 1;
} // namespace ReportType

// "AM" up to hour 11, "PM" from 12 on; the hour itself stays on the 24-hour
// clock.
const char* DayHalfOf(int hour);

// The file's four lines, "\n"-terminated: "Time:7:5AM" for 07:05.
std::string FormatScheduleRecord(const ScheduleRecord& record);

// Replaces the record file as a whole; the old record stays when writing
// fails.
bool WriteScheduleRecord(const std::string& recordPath, const ScheduleRecord& record);

// True when the record is one copied from an earlier version that the user
// has not confirmed yet.
bool AwaitsConfirmation(const std::string& recordPath);

// Makes the file writable and deletes it; a failure is passed over.
void RemoveScheduleRecord(const std::string& recordPath);

// The file-name part the schedule readers compare and show: the text after
// the last backslash, but empty for an empty value and for a value of four
// or more characters with no "." among its fourth-, third- and second-last
// characters (such a value counts as having no extension).
std::string ScheduledFileName(const std::string& path);

// What the unattended delivery needs: profile path, address and report type;
// the time line is not read back. False, with an empty record, when the file
// is missing or refused; a later line of the same key replaces an earlier
// one, and a type other than 0 or 1 counts as plain text.
bool ReadScheduleRecordForDelivery(const std::string& recordPath, ScheduleRecord& record);

// What the Currently Scheduled dialog shows.
struct ScheduleDisplay {
    std::string profile;   // file-name part of the recorded profile
    std::string email;
    std::string storedTime;  // the last Time value, as stored
    std::string typeText;  // empty without a usable Type line
    int reportType = ReportType::plainText;
    bool valid = false;    // profile and address both recorded
};
inline constexpr const char* kDeliverAtLabel = "Deliver daily at: ";
inline constexpr const char* kFullColoursText = "Deliver report in full colors";
inline constexpr const char* kPlainTextText = "Deliver report in plain text";

ScheduleDisplay ReadScheduleRecordForDisplay(const std::string& recordPath);

struct ClockTime {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// The time a stored Time value means ("7:5AM" is 07:05, "13:30PM" is
// 13:30, "1:30 PM" is 13:30); nothing for a value that is not a time.
std::optional<ClockTime> ParseStoredTime(const std::string& stored);

// True when a "Profile:" line of the record names a file with the same
// file-name part as `profilePath`, wherever its folder.
bool IsProfileScheduled(const std::string& recordPath, const std::string& profilePath);
