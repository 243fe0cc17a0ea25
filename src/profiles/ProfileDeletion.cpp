#include "profiles/ProfileDeletion.h"

#include "profiles/ProfileFile.h"

bool RemoveProfile(const std::string& dataDirectory, std::vector<IndexChange>& pending,
                   const ProfileIndexEntry& row)
{
    std::vector<IndexChange> changes = pending;
    changes.push_back({IndexChange::Kind::remove, row});
    if (!UpdateProfileIndex(dataDirectory, changes))
        return false;
    pending.clear();
    // Removal failures are ignored: the profile is gone from the list.
    DeleteProfileFile(dataDirectory, row.description);
    return true;
}
