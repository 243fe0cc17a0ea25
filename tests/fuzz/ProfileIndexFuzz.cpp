// The profile index on any bytes: every row it gives names a file of its own
// in the data directory, and there are never more rows than the bound.
#include "FuzzInput.h"

#include "profiles/DescriptionRules.h"
#include "profiles/ProfileIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteScratchFile("oc.ini", fuzz::Text(data, size));
    const std::vector<ProfileIndexEntry> entries = ReadProfileIndex(fuzz::ScratchDirectory());
    FUZZ_CHECK(entries.size() <= kMaxIndexRows);
    for (const ProfileIndexEntry& e : entries)
        FUZZ_CHECK(IsStorableDescription(e.description) && IsStorableText(e.fullName) && IsStorableText(e.calibration));
    return 0;
}
