#pragma once
#include "platform/FileOps.h"

#include <string>

// Replaces the file `target` with `text`, written in the form DiskFormOf
// gives: in text mode (so "\n" becomes CR LF on Windows) while that fits.
//
// The text goes to a temporary file of a fresh name in the same folder,
// created exclusively: a file or link already there under that name is never
// opened, so nothing left behind can redirect the write. Only when that file
// is complete and flushed to the disk is it renamed over the target, in one
// step of the file system. A crash, a full disk, a bad name or a second writer
// at the same moment therefore never leaves a half-written, emptied or mixed
// file behind: the target holds either its old text or one writer's new one.
// After a power cut the same holds as far as the file system keeps a rename
// whole (NTFS and journaling file systems do), but the rename may be undone,
// bringing the old text back. On POSIX systems the new file keeps the
// target's permissions.
//
// Writes nothing and returns false when the target is read-only, when the
// text would take more than kMaxDataFileBytes on the disk even with plain
// line feeds (more than any reader takes back), or when the temporary file cannot be
// created, written or moved into place (on Windows after a short wait for
// readers that hold the target open); the temporary file is then removed
// again. Only a crash leaves one behind.
bool WriteTextFileSafely(const std::string& target, const std::string& text);

// The readers take any file of at most kMaxDataFileBytes, whatever its line
// ends, and the writer counts what it puts on the disk the same way: CR LF
// line ends, the files' own form, while the text fits with them, plain line
// feeds where only those fit. A file read with line feeds alone therefore
// always takes back a change that makes it no larger, a deletion above all.
enum class DiskForm { crLf, lineFeed, tooLarge };
DiskForm DiskFormOf(const std::string& text);
// Text mode for the CR LF form, plain line feeds otherwise.
LineEnds LineEndsOf(DiskForm form);

// Removes the temporary files a crashed writer left in `directory` (ending in
// its separator): regular files named like this writer's temporary names and
// older than any write takes, so another process's write under way is never
// disturbed. Everything else stays.
void RemoveStaleTemporaryFiles(const std::string& directory);

// A temporary name for `target`, fresh at every call, and whether a file
// name is one of those names: the cleaner knows them by that alone.
std::string FreshTempName(const std::string& target);
bool IsTempName(const std::string& name);
