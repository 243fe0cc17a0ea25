// The profile index on any bytes: every row it gives names a file of its own
// in the data directory, there are never more rows than the bound, and what
// was read is written back and read again unchanged.
#include "FuzzInput.h"

#include "profiles/DescriptionRules.h"
#include "profiles/ProfileIndex.h"

#include <algorithm>
#include <tuple>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteScratchFile("oc.ini", data, size);
    const std::vector<ProfileIndexEntry> entries = ReadProfileIndex(fuzz::ScratchDirectory());
    FUZZ_CHECK(entries.size() <= kMaxIndexRows);
    for (const ProfileIndexEntry& e : entries)
        FUZZ_CHECK(IsStorableDescription(e.description) && IsStorableText(e.fullName) && IsStorableText(e.calibration));
    FUZZ_CHECK(WriteProfileIndex(fuzz::ScratchDirectory(), entries));
    const std::vector<ProfileIndexEntry> again = ReadProfileIndex(fuzz::ScratchDirectory());
    auto same = [](const ProfileIndexEntry& a, const ProfileIndexEntry& b) {
        return std::tie(a.fullName, a.description, a.calibration) == std::tie(b.fullName, b.description, b.calibration);
    };
    FUZZ_CHECK(std::equal(entries.begin(), entries.end(), again.begin(), again.end(), same));
    return 0;
}
