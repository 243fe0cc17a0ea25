#pragma once
#include "engine/Profile.h"
#include "profiles/DescriptionRules.h"

#include <string>

// What the profile editor says before it saves. The texts are shown exactly
// as they are here, trailing blanks and line breaks included.
namespace EditorMessages {
extern const char* const kDescriptionEmpty;
extern const char* const kDescriptionTooLong;
extern const char* const kDescriptionDevice;
extern const char* const kDescriptionOwnFile;
extern const char* const kNameEmpty;
extern const char* const kNameTooLong;
extern const char* const kNameNotStorable;
extern const char* const kOlderThanMother;
extern const char* const kMotherTooYoung;
extern const char* const kOlderThanFather;
extern const char* const kFatherTooYoung;
extern const char* const kReplaceQuestion;
extern const char* const kUnableToSave;
} // namespace EditorMessages

// The refusal of a description for `character`, which it holds as typed
// (control characters, which show as nothing, are named as such).
std::string DescriptionCharacterMessage(const std::string& character);

// The first input check the profile fails, as the message to show, or an
// empty text when every check passes. The order matters: a user who left
// everything blank is told about the description first.
//
// Only the parents' years are compared, and only for a parent whose group is
// switched on; a parent born in the same year, or fewer than ten years
// earlier, is refused as too young. The file-name check comes right after the
// description's length so that nothing is written under a name that would
// land outside the data directory, on a device, over the program's own files
// or nowhere at all; a name with a control character is refused after its
// length, since it would spill a line of its own into the profile file.
std::string FirstInputProblem(const Profile& profile);
