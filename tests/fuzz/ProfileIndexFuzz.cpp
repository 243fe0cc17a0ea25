// The profile index on any bytes: every row it gives names a file of its own
// in the data directory, and there are never more rows than the bound.
#include "FuzzInput.h"

#include "profiles/DescriptionRules.h"
#include "profiles/ProfileIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteScratchFile("oc.ini", data, size);
    const std::vector<ProfileIndexEntry> entries = ReadProfileIndex(fuzz::ScratchDirectory());
    FUZZ_CHECK(entries.size() <= kMaxIndexRows);
    for (const ProfileIndexEntry& entry : entries) {
        FUZZ_CHECK(IsStorableDescription(entry.description));
        FUZZ_CHECK(IsStorableText(entry.fullName) && IsStorableText(entry.calibration));
    }
    // What was read is written back and read again unchanged.
    if (!WriteProfileIndex(fuzz::ScratchDirectory(), entries))
        std::abort();
    const std::vector<ProfileIndexEntry> again = ReadProfileIndex(fuzz::ScratchDirectory());
    FUZZ_CHECK(again.size() == entries.size());
    for (std::size_t i = 0; i < again.size(); ++i)
        FUZZ_CHECK(again[i].fullName == entries[i].fullName && again[i].description == entries[i].description &&
                   again[i].calibration == entries[i].calibration);
    return 0;
}
