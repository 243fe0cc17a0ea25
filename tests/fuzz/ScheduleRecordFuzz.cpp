// The schedule record's three readers (delivery, display, the profile check)
// on any bytes.
#include "FuzzInput.h"

#include "schedule/ScheduleRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::WriteScratchFile("task.dtr", data, size);
    ScheduleRecord record;
    ReadScheduleRecordForDelivery(path, record);
    FUZZ_CHECK(record.reportType == ReportType::plainText || record.reportType == ReportType::fullColours);
    FUZZ_CHECK(record.profilePath.size() < 500 && record.email.size() < 500);
    ReadScheduleRecordForDisplay(path);
    IsProfileScheduled(path, record.profilePath);
    return 0;
}
