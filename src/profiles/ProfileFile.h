#pragma once
#include "engine/Profile.h"
#include "profiles/DescriptionRules.h"

#include <string>

// Profile files: one "<description>.ini" per profile in the data directory,
// one "Key:value" per line. `dataDirectory` always ends in its separator.
//
// None of these report errors: a file that cannot be opened leaves the
// reader's values as they were, and a writer that cannot write says so only
// through its result.

// dataDirectory + description + ".ini".
std::string ProfileFilePath(const std::string& dataDirectory, const std::string& description);

// Reads every key, "Profile:" and "Name:" included, from the file of
// profile.description (the editor opening an existing profile).
void ReadProfileFull(const std::string& dataDirectory, Profile& profile);

// Reads "Name:" and the date keys, not "Profile:", from a full path (the
// engine's loader). An empty path or a missing file leaves `profile` as is.
// A "Name:" value that is not storable text is passed over by every reader.
void ReadProfileForEngine(const std::string& path, Profile& profile);
// The same from a profile file's bytes, read once by a caller that checked
// the file it read them from.
void ReadProfileTextForEngine(const std::string& bytes, Profile& profile);

// Reads only "Name:", "YourMonth:", "YourDate:" and "YourYear:" into the
// caller's variables, which keep their values for a missing file or key.
void ReadNameAndBirthDate(const std::string& dataDirectory, const std::string& description,
                          std::string& fullName, CivilDate& birthday);

// True when the profile file of `description` can be opened for reading.
bool ProfileFileExists(const std::string& dataDirectory, const std::string& description);

// Writes the profile file of profile.description: the seven fixed keys and
// each date group whose flag is on. False when nothing was written (an
// unstorable description, a name that is not storable text, a read-only
// file, any write error); the previous file then stays as it was.
bool WriteProfile(const std::string& dataDirectory, const Profile& profile);

// Moves the profile file to the Recycle Bin, or where that fails makes it
// writable and removes it. False when it is still there; callers are free to
// ignore that.
bool DeleteProfileFile(const std::string& dataDirectory, const std::string& description);
