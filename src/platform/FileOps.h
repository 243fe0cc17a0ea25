#pragma once
#include <string>
#include <vector>

// File operations the portable core needs but cannot do faithfully with the
// standard library alone: paths are narrow strings in the ANSI code page, and
// on Windows replacing an existing file takes MoveFileEx. Each platform
// provides these in its own folder (win/ or posix/).

// Moves `source` over `target`, replacing `target` in one step when it exists.
// The old target stays untouched when the move fails.
bool MoveFileOver(const std::string& source, const std::string& target);

// Clears the read-only attribute (adds write permission for the owner).
bool MakeWritable(const std::string& path);

// Makes the file writable and removes it; false when it could not be removed.
bool RemoveFileForced(const std::string& path);

// Moves the file to the Recycle Bin without asking or showing anything;
// false when it is still there (no bin on this platform, or it refused).
bool MoveToRecycleBin(const std::string& path);

// True when `path` names an existing regular file that cannot be written to.
bool IsReadOnlyFile(const std::string& path);

// Names (not paths) of the regular files directly inside `directory`, which
// ends in its separator. Empty when the directory cannot be read.
std::vector<std::string> ListFiles(const std::string& directory);
