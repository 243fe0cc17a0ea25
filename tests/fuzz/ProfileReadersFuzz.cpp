// The three readers of a profile file on any bytes: no crash, no flag without
// its marker key, no value longer than a line.
#include "FuzzInput.h"

#include "profiles/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = fuzz::Text(data, size);
    const std::string path = fuzz::WriteScratchFile("Fuzzed.ini", text);
    Profile full, engine;
    full.description = "Fuzzed";
    ReadProfileFull(fuzz::ScratchDirectory(), full);
    ReadProfileForEngine(path, engine);
    FUZZ_CHECK(!engine.useMotherBirthday || text.find("MotherMonth:") != std::string::npos);
    FUZZ_CHECK(!engine.manualCalibration || text.find("BadMonth:") != std::string::npos);
    FUZZ_CHECK(full.fullName.size() < 500 && full.description.size() < 500);
    std::string name;
    CivilDate birthday;
    ReadNameAndBirthDate(fuzz::ScratchDirectory(), "Fuzzed", name, birthday);
    return 0;
}
