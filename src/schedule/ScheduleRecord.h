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

// What the unattended delivery needs: profile path, address and report type;
// the time line is not read back. A missing file gives an empty record, a
// later line of the same key replaces an earlier one, and a type other than
// 0 or 1 counts as plain text.
ScheduleRecord ReadScheduleRecordForDelivery(const std::string& recordPath);
