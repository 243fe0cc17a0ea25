#pragma once
#include <string>
#include <vector>

// File operations the portable core needs but cannot do faithfully with the
// standard library alone: paths are narrow strings in the ANSI code page, and
// on Windows replacing an existing file takes MoveFileEx. Each platform
// provides these in its own folder (win/ or posix/).

enum class NewFile { Written, NameTaken, Failed };

// How "\n" reaches the disk: as the platform's text mode writes it (CR LF on
// Windows), or as a line feed alone.
enum class LineEnds { textMode, lineFeed };

// Creates `path` as a new file, writes `text` with those line ends, forces
// it onto the disk and closes it. A file, directory or link
// already named `path` is never opened or followed: that gives NameTaken.
// On POSIX systems the file gets the permissions of `permissionsOf` when that
// is an existing regular file. A file it created and could not complete is
// removed again; nothing else is ever removed.
NewFile WriteNewFileDurably(const std::string& path, const std::string& text,
                            const std::string& permissionsOf, LineEnds lineEnds = LineEnds::textMode);

// Moves `source` over `target`, replacing `target` in one step when it exists.
// The old target stays untouched when the move fails. On Windows a target
// that another process holds open (a reader, a virus scanner, the search
// indexer) is tried again for about a quarter of a second before giving up.
// Whether the rename itself has reached the disk when this returns is up to
// the file system: POSIX systems sync the folder, Windows does not for a
// rename within one volume.
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

// True when `path` is a regular file (after links), with its size in `bytes`.
// Devices, pipes and directories give false: reading them may never end.
bool RegularFileSize(const std::string& path, long long& bytes);

// True when nothing at all is named `path`: a reader that found nothing may
// then start a new file, where one that could not read a file must leave it.
bool IsMissingFile(const std::string& path);

// True when something of that name exists: a file, a folder, a device.
bool PathExists(const std::string& path);

// The whole of `path` when it is a regular file (after links) of at most
// `limit` bytes; false, with `bytes` empty, for anything else. The file is
// opened once and the checks are made on that handle, so a file swapped in
// after them is never what is read. Devices, pipes and directories are
// refused before a byte is read (their reading may never end), and opening
// one does not wait either.
bool ReadRegularFile(const std::string& path, long long limit, std::string& bytes);

// Copies the regular file `source` of at most `limit` bytes, byte for byte,
// to `target`, which must not exist yet (nothing there is ever opened or
// replaced), and forces it onto the disk. False when nothing was copied; a
// copy cut short is removed again.
bool CopyNewFile(const std::string& source, const std::string& target, long long limit);

// Seconds since `path` was last written (negative when its time lies ahead);
// false when there is no such file.
bool SecondsSinceWritten(const std::string& path, long long& seconds);

// Names (not paths) of the regular files directly inside `directory`, which
// ends in its separator. Empty when the directory cannot be read.
std::vector<std::string> ListFiles(const std::string& directory);
