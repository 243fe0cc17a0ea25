// The description rules on any text. What they accept must never name a
// device, one of the program's own files, an 8.3 alias or a path, judged here
// independently of the rules themselves; and the profile writer, given an
// accepted description, creates exactly "<description>.ini" in the data
// directory and nothing else.
#include "FuzzInput.h"

#include "base/DataPaths.h"
#include "platform/FileOps.h"
#include "profiles/ProfileFile.h"

#include <cctype>

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool NamesDevice(const std::string& description)
{
    std::string base = Upper(description);
    base = base.substr(0, base.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (base == device)
            return true;
    if (base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0))
        return std::string("123456789\xB9\xB2\xB3").find(base[3]) != std::string::npos;
    return false;
}

bool NamesOwnFile(const std::string& description)
{
    for (const char* own : DataPaths::ownFileNames)
        if (Upper(description + ".ini") == Upper(own))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string description(reinterpret_cast<const char*>(data), size);
    if (!IsStorableDescription(description))
        return 0;

    FUZZ_CHECK(!description.empty() && description.size() <= kMaxProfileText);
    FUZZ_CHECK(!NamesDevice(description));
    FUZZ_CHECK(!NamesOwnFile(description));
    FUZZ_CHECK(description.find('~') == std::string::npos);
    for (char c : description)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 && std::string("<>:\"/\\|?*").find(c) == std::string::npos);

    // The file the writer makes is the one the description names, in the
    // data directory and nowhere else.
    Profile profile;
    profile.description = description;
    profile.fullName = "Fuzz";
    const std::string& dir = fuzz::ScratchDirectory();
    for (const std::string& name : ListFiles(dir))
        RemoveFileForced(dir + name);
    FUZZ_CHECK(WriteProfile(dir, profile));
    const std::vector<std::string> files = ListFiles(dir);
    FUZZ_CHECK(files.size() == 1 && files[0] == description + ".ini");
    FUZZ_CHECK(ProfileFileExists(dir, description) && DeleteProfileFile(dir, description));
    return 0;
}
