#pragma once
#include <string>

// Replaces the file `target` with `text`, written in text mode (so "\n"
// becomes CR LF on Windows).
//
// The text goes to `target` + ".tmp" in the same folder first; only when that
// file is complete and closed without error does it take the place of the
// target. A crash, a full disk or a bad name therefore never leaves a
// half-written or emptied file behind, and the old contents stay until the
// new ones are safely on disk.
//
// Writes nothing and returns false when the target is read-only, or when the
// temporary file cannot be created, written or moved into place; the
// temporary file is removed again in every failing case.
bool WriteTextFileSafely(const std::string& target, const std::string& text);
