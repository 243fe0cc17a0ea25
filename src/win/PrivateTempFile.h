#pragma once
// Transient files (the mailed report, a resized copy) live in the running
// account's own temporary folder, never in the shared data folder, where
// another account could swap them or point their names elsewhere.
#include <string>

// Creates a new, empty file there under a fresh name ending in `extension`
// (".jpg"); a name that already exists is never opened. Returns its full
// path, or an empty text when none could be created.
std::string CreatePrivateTempFile(const std::string& extension);
