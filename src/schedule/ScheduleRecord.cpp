#include "schedule/ScheduleRecord.h"

#include "base/TextLines.h"

#include <cstring>

namespace {

const char* const kProfileKey = "Profile:";
const char* const kEmailKey = "Email:";
const char* const kTimeKey = "Time:";
const char* const kTypeKey = "Type:";

std::string ValueAfter(const std::string& line, const char* key)
{
    return line.substr(std::strlen(key));
}

} // namespace

ScheduleRecord ReadScheduleRecordForDelivery(const std::string& recordPath)
{
    ScheduleRecord record;
    ForEachLine(recordPath, [&](const std::string& read) {
        // A record written on Windows and read elsewhere keeps its CRs.
        std::string line = read;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (StartsWithKey(line, kProfileKey)) {
            record.profilePath = ValueAfter(line, kProfileKey);
        } else if (StartsWithKey(line, kEmailKey)) {
            record.email = ValueAfter(line, kEmailKey);
        } else if (StartsWithKey(line, kTimeKey)) {
            // Shown to the user only; the registered task decides the time.
        } else if (StartsWithKey(line, kTypeKey)) {
            std::string value = ValueAfter(line, kTypeKey);
            if (!value.empty()) {
                int type = LeadingInteger(value);
                record.reportType = type == ReportType::fullColours ? type : ReportType::plainText;
            }
        }
    });
    return record;
}
