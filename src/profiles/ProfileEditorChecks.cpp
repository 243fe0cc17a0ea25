#include "profiles/ProfileEditorChecks.h"

#include "base/Utf8Text.h"
#include "profiles/ProfileFile.h"

namespace EditorMessages {
const char* const kDescriptionEmpty = "Please enter Profile Description first.    ";
const char* const kDescriptionTooLong = "Profile Description is limited to 100 characters.    ";
const char* const kDescriptionDevice =
    "Profile Description is the name of a device (such as CON, PRN, AUX, NUL, COM1 or LPT1).    \n"
    "Please correct it and then try again.    ";
const char* const kDescriptionOwnFile =
    "Profile Description names a file that Oracline keeps for itself.    \n"
    "Please correct it and then try again.    ";
const char* const kNameEmpty = "Please enter Full Name first.    ";
const char* const kNameTooLong = "Full Name is limited to 100 characters.    ";
const char* const kNameNotStorable =
    "Full Name contains characters that cannot be used.    \nPlease correct it and then try again.    ";
const char* const kOlderThanMother =
    "You indicated that you are older than your mother.    \nPlease correct it and then try again.    ";
const char* const kMotherTooYoung =
    "You indicated that your mother was younger than 10 years old when you were born.    \n"
    "Please correct it and then try again.    ";
const char* const kOlderThanFather =
    "You indicated that you are older than your father.    \nPlease correct it and then try again.    ";
const char* const kFatherTooYoung =
    "You indicated that your father was younger than 10 years old when you were born.    \n"
    "Please correct it and then try again.    ";
const char* const kReplaceQuestion =
    "A profile with the same description already exists.    \nDo you want to continue and replace it?     ";
const char* const kUnableToSave = "Unable to save profile.    ";
} // namespace EditorMessages

std::string DescriptionCharacterMessage(const std::string& character)
{
    const unsigned char byte = character.empty() ? 0 : static_cast<unsigned char>(character[0]);
    const std::string named = byte < 32 || byte == 127 ? "a control character"
                              : IsValidUtf8(character) ? character
                                                       : "a byte that is not a character";
    return "Profile Description contains a character that file names cannot hold: " + named +
           "    \nPlease correct it and then try again.    ";
}

namespace {

// Empty when the parent's year is plausible for the person's own year.
const char* ParentProblem(int yourYear, int parentYear, const char* older, const char* tooYoung)
{
    if (yourYear < parentYear)
        return older;
    // Written as a difference: a year read from a file may be any int.
    if (static_cast<long long>(yourYear) - parentYear < 10)
        return tooYoung;
    return "";
}

} // namespace

std::string FirstInputProblem(const Profile& profile)
{
    using namespace EditorMessages;
    if (profile.description.empty())
        return kDescriptionEmpty;
    if (Utf8Length(profile.description) > kMaxProfileText)
        return kDescriptionTooLong;
    switch (DescriptionProblemOf(profile.description)) {
    case DescriptionProblem::Character:
        return DescriptionCharacterMessage(ForbiddenCharacterOf(profile.description));
    case DescriptionProblem::Device:
        return kDescriptionDevice;
    case DescriptionProblem::OwnFile:
        return kDescriptionOwnFile;
    case DescriptionProblem::None:
        break;
    }
    if (profile.fullName.empty())
        return kNameEmpty;
    if (Utf8Length(profile.fullName) > kMaxProfileText)
        return kNameTooLong;
    if (!IsStorableText(profile.fullName))
        return kNameNotStorable;
    if (profile.useMotherBirthday) {
        std::string problem =
            ParentProblem(profile.yourYear, profile.motherYear, kOlderThanMother, kMotherTooYoung);
        if (!problem.empty())
            return problem;
    }
    if (profile.useFatherBirthday)
        return ParentProblem(profile.yourYear, profile.fatherYear, kOlderThanFather, kFatherTooYoung);
    return "";
}
