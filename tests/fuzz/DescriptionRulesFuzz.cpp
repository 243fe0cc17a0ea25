// The description rules on any text. What they accept never names a device,
// one of the program's own files, an 8.3 alias or a path (judged here apart
// from the rules), and the writer then makes exactly "<description>.ini" in
// the data directory and nothing else.
#include "FuzzInput.h"

#include "platform/FileOps.h"
#include "profiles/ProfileFile.h"

#include <cctype>
#include <regex>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string description = fuzz::Text(data, size);
    if (!IsStorableDescription(description))
        return 0;
    std::string upper = description;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::regex device("(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|(COM|LPT)[1-9\xB9\xB2\xB3]) *(\\..*)?");
    FUZZ_CHECK(!std::regex_match(upper, device));
    FUZZ_CHECK(upper != "OC" && upper != "CONTACTS" && description.size() <= 100);
    for (char c : description)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 && !std::strchr("<>:\"/\\|?*~", c));

    Profile profile;
    profile.description = description;
    profile.fullName = "Fuzz";
    const std::string& dir = fuzz::ScratchDirectory();
    FUZZ_CHECK(WriteProfile(dir, profile));
    const std::vector<std::string> files = ListFiles(dir);
    FUZZ_CHECK(files.size() == 1 && files[0] == description + ".ini");
    FUZZ_CHECK(DeleteProfileFile(dir, description));
    return 0;
}
