#include "profiles/DescriptionRules.h"

#include "base/AsciiText.h"
#include "base/DataPaths.h"
#include "base/Utf8Text.h"

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
    if (base.size() < 4 || (base.compare(0, 3, "com") != 0 && base.compare(0, 3, "lpt") != 0))
        return false;
    // The superscripts one, two and three count as digits here.
    const std::string digit = base.substr(3);
    return (digit.size() == 1 && digit >= "1" && digit <= "9") || digit == "\u00B9" || digit == "\u00B2" ||
           digit == "\u00B3";
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
    if (!IsValidUtf8(text) || Utf8Length(text) > kMaxProfileText)
        return false;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127)
            return false;
    }
    return true;
}

std::string ForbiddenCharacterOf(const std::string& description)
{
    for (std::size_t at = 0; at < description.size();) {
        const std::string character = Utf8CharacterAt(description, at);
        const unsigned char byte = static_cast<unsigned char>(character[0]);
        if (byte < 32 || byte == 127 || !IsValidUtf8(character) ||
            (character.size() == 1 && std::strchr("<>:\"/\\|?*~", byte)))
            return character;
        at += character.size();
    }
    return std::string();
}

DescriptionProblem DescriptionProblemOf(const std::string& description)
{
    if (description.empty() || !IsStorableText(description) || !ForbiddenCharacterOf(description).empty())
        return DescriptionProblem::Character;
    if (IsDeviceName(description))
        return DescriptionProblem::Device;
    return IsOwnFileName(description) ? DescriptionProblem::OwnFile : DescriptionProblem::None;
}
