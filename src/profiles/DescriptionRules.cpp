#include "profiles/DescriptionRules.h"

#include "base/AsciiText.h"
#include "base/DataPaths.h"

#include <cstring>

namespace {

bool IsDeviceName(const std::string& description)
{
    // Windows maps these names to devices whatever extension follows them,
    // and ignores blanks before the extension.
    std::string base = description.substr(0, description.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    base = LowerAscii(base);
    static const char* const kDevices[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    for (const char* device : kDevices)
        if (base == device)
            return true;
    if (base.size() != 4 || (base.compare(0, 3, "com") != 0 && base.compare(0, 3, "lpt") != 0))
        return false;
    // Windows-1252 superscript one, two and three count as digits here.
    const unsigned char digit = static_cast<unsigned char>(base[3]);
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

bool IsOwnFileName(const std::string& description)
{
    const std::string fileName = LowerAscii(description + ".ini");
    for (const char* own : DataPaths::ownFileNames)
        if (fileName == LowerAscii(own))
            return true;
    return false;
}

}  // namespace

bool IsStorableText(const std::string& text)
{
    if (text.size() > kMaxProfileText)
        return false;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127)
            return false;
    }
    return true;
}

DescriptionProblem DescriptionProblemOf(const std::string& description)
{
    if (description.empty() || !IsStorableText(description) ||
        description.find_first_of("<>:\"/\\|?*~") != std::string::npos)
        return DescriptionProblem::Character;
    if (IsDeviceName(description))
        return DescriptionProblem::Device;
    return IsOwnFileName(description) ? DescriptionProblem::OwnFile : DescriptionProblem::None;
}
