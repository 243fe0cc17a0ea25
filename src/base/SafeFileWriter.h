#pragma once
#include <string>

// Replaces the file `target` with `text`, written in text mode (so "\n"
// becomes CR LF on Windows).
//
// The text goes to a temporary file of a fresh name in the same folder,
// created exclusively: a file or link already there under that name is never
// opened, so nothing left behind can redirect the write. Only when that file
// is complete and on the disk does it take the place of the target, in one
// step. A crash, a power cut, a full disk, a bad name or a second writer at
// the same moment therefore never leaves a half-written, emptied or mixed
// file behind: the target holds either its old text or one writer's new one.
// On POSIX systems the new file keeps the target's permissions.
//
// Writes nothing and returns false when the target is read-only, or when the
// temporary file cannot be created, written or moved into place; the
// temporary file is removed again in every failing case.
bool WriteTextFileSafely(const std::string& target, const std::string& text);
