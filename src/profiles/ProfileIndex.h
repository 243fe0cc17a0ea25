#pragma once
#include "engine/Profile.h"

#include <cstddef>
#include <string>
#include <vector>

// The profile index "oc.ini": three lines per row of the main window's list,
// "Profile:" (the full name), "Description:" and "Adjustment:". Note that
// "Profile:" means the full name here but the description in a profile file.

// The row of a saved profile: its full name, its description, and "Manual"
// or "Automatic" after its calibration flag.
ProfileIndexEntry IndexEntryOf(const Profile& profile);

// dataDirectory + "oc.ini"; `dataDirectory` ends in its separator.
std::string ProfileIndexPath(const std::string& dataDirectory);

// Most rows the list takes from the index; a longer index is a damaged or
// hostile one, and its further rows are ignored.
constexpr std::size_t kMaxIndexRows = 10000;

// The entries in file order. An entry is complete at its "Adjustment:" line,
// so a trailing entry without one is lost; a missing "Profile:" or
// "Description:" line repeats the previous entry's value. A missing file
// gives no entries, and entries stop where the writer could no longer write
// them all back within kMaxDataFileBytes. An entry whose description is not a storable description
// or whose other values are not storable text is skipped: its description
// would otherwise become a file name the program opens, replaces or deletes.
std::vector<ProfileIndexEntry> ReadProfileIndex(const std::string& dataDirectory);

// Writes every entry in order, leaving out those the reader would skip. False
// when nothing was written (read-only or unwritable index); the previous
// index then stays as it was.
bool WriteProfileIndex(const std::string& dataDirectory,
                       const std::vector<ProfileIndexEntry>& entries);

// True when the index can be opened for reading: no index means the program
// has never saved a profile.
bool ProfileIndexExists(const std::string& dataDirectory);

// The row naming the same profile file as `description` (compared without
// regard to case, as Windows names files), or -1.
int RowOfSameFile(const std::vector<ProfileIndexEntry>& rows, const std::string& description);

// One change the main window makes to its list, as it is applied to the
// index on the disk: a row put in place of the one naming the same file, or
// appended, or the rows naming a file taken out.
struct IndexChange {
    enum class Kind { put, remove };
    Kind kind = Kind::put;
    ProfileIndexEntry entry;  // for a removal only the description counts
};

void ApplyIndexChange(std::vector<ProfileIndexEntry>& rows, const IndexChange& change);

// Another session of the same account may have written the index since this
// one read it, so the index is read again, the changes are applied to what
// is there, and it is written. False, writing nothing, when an index is there
// but cannot be read (its rows would be lost) or the result could not be
// written (too large for its reader, read-only, a write error).
bool UpdateProfileIndex(const std::string& dataDirectory, const std::vector<IndexChange>& changes);

// True while one more row, of the longest texts the editor takes, fits the
// index in rows and on the disk.
bool IndexHasRoom(const std::vector<ProfileIndexEntry>& rows);
inline constexpr const char* kProfileListFullMessage =
    "Your profile list is full. Delete a profile before adding another.    ";
