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
    const std::string existing = input.ConsumeRemainingBytesAsString();
    const std::string path = fuzz::WriteScratchFile(kDeliveryLogName, reinterpret_cast<const std::uint8_t*>(existing.data()),
                                                    existing.size());
    LastDeliveryLogLine(path);
    const std::string line = FormatDeliveryLogLine(entry);
    FUZZ_CHECK(AppendDeliveryLog(path, line));
    int lines = 0;
    FUZZ_CHECK(ForEachLine(path, [&](const std::string&) { ++lines; }));
    FUZZ_CHECK(lines <= kDeliveryLogLines - 1 + static_cast<int>(line.size() / 499 + 1));
    // Longer lines come back in pieces of 499 characters.
    if (line.size() < 499)
        FUZZ_CHECK(LastDeliveryLogLine(path) == line);
    return 0;
}
