// The delivery log's reader and writer on any existing log and any entry: the
// new line is always the last one read back, and the log never grows past
// its line limit.
#include "FuzzInput.h"

#include "base/TextLines.h"
#include "schedule/DeliveryLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    DeliveryLogEntry entry;
    for (std::string* field : {&entry.when, &entry.profile, &entry.email, &entry.form, &entry.outcome})
        *field = input.ConsumeRandomLengthString(200);
    const std::string path = fuzz::WriteScratchFile(kDeliveryLogName, input.ConsumeRemainingBytesAsString());
    LastDeliveryLogLine(path);
    const std::string line = FormatDeliveryLogLine(entry);
    FUZZ_CHECK(AppendDeliveryLog(path, line));
    int lines = 0;
    FUZZ_CHECK(ForEachLine(path, [&](const std::string&) { ++lines; }));
    FUZZ_CHECK(lines <= kDeliveryLogLines);
    FUZZ_CHECK(LastDeliveryLogLine(path) == line || line.empty());
    return 0;
}
