#pragma once
// The schedule record "task.dtr": which profile is analysed every day, to
// whom the report goes and in which form. Four "Key:value" lines: Profile,
// Email, Time (for display only) and Type.
#include <string>

struct ScheduleRecord {
    std::string profilePath;  // full path of the profile file
    std::string email;
    int hour = 0;             // 1..23
    int minute = 0;           // 0..59
    std::string dayHalf;      // "AM" or "PM"
    int reportType = 0;       // 1 = the report image, 0 = plain text

    // A delivery needs somebody to analyse and somebody to send to.
    bool IsDeliverable() const { return !profilePath.empty() && !email.empty(); }
};

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

// Makes the file writable and deletes it; a failure is passed over.
void RemoveScheduleRecord(const std::string& recordPath);

// The file-name part the schedule readers compare and show: the text after
// the last backslash, but empty for an empty value and for a value of four
// or more characters with no "." among its fourth-, third- and second-last
// characters (such a value counts as having no extension).
std::string ScheduledFileName(const std::string& path);

// What the unattended delivery needs: profile path, address and report type;
// the time line is not read back. A missing file gives an empty record, a
// later line of the same key replaces an earlier one, and a type other than
// 0 or 1 counts as plain text.
ScheduleRecord ReadScheduleRecordForDelivery(const std::string& recordPath);

// What the Currently Scheduled dialog shows.
struct ScheduleDisplay {
    std::string profile;   // file-name part of the recorded profile
    std::string email;
    std::string timeText;  // "Deliver daily at: " and every Time value behind it
    std::string typeText;  // empty without a usable Type line
    bool valid = false;    // profile and address both recorded
};
inline constexpr const char* kDeliverAtLabel = "Deliver daily at: ";
inline constexpr const char* kFullColoursText = "Deliver report in full colors";
inline constexpr const char* kPlainTextText = "Deliver report in plain text";

ScheduleDisplay ReadScheduleRecordForDisplay(const std::string& recordPath);

// True when a "Profile:" line of the record names a file with the same
// file-name part as `profilePath`, wherever its folder.
bool IsProfileScheduled(const std::string& recordPath, const std::string& profilePath);
