#pragma once
#include <cstddef>
#include <string>

// Which descriptions and names may reach a profile file, the index or a file
// name. A description is the base name of its profile's file, so whatever it
// spells is opened, replaced or deleted by the program: these rules keep that
// file inside the data directory and different from every other file there.

// Longest description and full name the editor accepts and the writers write.
constexpr std::size_t kMaxProfileText = 100;

// True for a value that fits on one line of a profile file or the index:
// UTF-8 of at most kMaxProfileText characters and no control characters. A
// line break in a name would start a key of its own in the file.
bool IsStorableText(const std::string& text);

// The first character of `description` that a file name cannot hold (see
// Character below), whole as it was typed; empty when there is none.
std::string ForbiddenCharacterOf(const std::string& description);

// Why "<description>.ini" would not name a file of its own in the data
// directory on every platform, or None when it would:
//   Character   a control character, one of the characters Windows refuses in
//               a file name (< > : " / \ | ? *), or "~" (with which an 8.3
//               short name such as BOBSMI~1 reaches another profile's file);
//   Device      a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9, their
//               superscript forms, CONIN$, CONOUT$, whatever extension
//               follows);
//   OwnFile     one of the program's own files.
// Length and emptiness are the callers' own checks: an empty or too long
// description is refused as Character.
enum class DescriptionProblem { None, Character, Device, OwnFile };
DescriptionProblem DescriptionProblemOf(const std::string& description);

inline bool IsStorableDescription(const std::string& description)
{
    return DescriptionProblemOf(description) == DescriptionProblem::None;
}
