#pragma once
#include "profiles/ProfileIndex.h"

#include <string>
#include <vector>

// Deletes the profile of `row`: the index loses every row naming its file
// first, written together with the changes still `pending` from earlier
// failed writes, and the file goes only once that index is on the disk. So
// a refused write leaves both the row and the file, and never a row naming
// nothing. True, with `pending` emptied, when the index was written.
bool RemoveProfile(const std::string& dataDirectory, std::vector<IndexChange>& pending,
                   const ProfileIndexEntry& row);
