#pragma once
#include <string>

// Which characters end a folder in a path. The program's own paths are
// Windows paths; a page's link or a library's path may hold forward slashes
// too; a POSIX path has only the slash.
enum class PathSeparators { backslash, slash, either };

// What follows the last separator: the whole path when it has none.
std::string FileNameOf(const std::string& path, PathSeparators separators);

// Up to and including the last separator: empty when there is none.
std::string FolderOf(const std::string& path, PathSeparators separators);

// The file name's last dot and what follows it: empty when the file name has
// no dot (a dot in a folder's name does not count).
std::string ExtensionOf(const std::string& path, PathSeparators separators);
