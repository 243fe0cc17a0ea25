#pragma once
#include "engine/Profile.h"

#include <string>
#include <vector>

// The profile index "oc.ini": three lines per row of the main window's list,
// "Profile:" (the full name), "Description:" and "Adjustment:". Note that
// "Profile:" means the full name here but the description in a profile file.

// dataDirectory + "oc.ini"; `dataDirectory` ends in its separator.
std::string ProfileIndexPath(const std::string& dataDirectory);

// The entries in file order. An entry is complete at its "Adjustment:" line,
// so a trailing entry without one is lost; a missing "Profile:" or
// "Description:" line repeats the previous entry's value. A missing file
// gives no entries.
std::vector<ProfileIndexEntry> ReadProfileIndex(const std::string& dataDirectory);

// Writes every entry in order. False when nothing was written (read-only or
// unwritable index); the previous index then stays as it was.
bool WriteProfileIndex(const std::string& dataDirectory,
                       const std::vector<ProfileIndexEntry>& entries);

// True when the index can be opened for reading: no index means the program
// has never saved a profile.
bool ProfileIndexExists(const std::string& dataDirectory);
