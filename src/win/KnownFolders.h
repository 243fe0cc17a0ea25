#pragma once
// The account's own folders, as Windows names them. Each account's data,
// pages and reports live under these, never under the program folder, which
// only administrators may write.
#include <string>

enum class KnownFolder {
    RoamingAppData,  // settings and data that follow the account between machines
    LocalAppData,    // this machine's own per-account files (transient pages)
    Pictures,        // where the account looks for its pictures
};

// The folder's full path in the ANSI code page, ending in its separator, or
// an empty text when Windows cannot say or the path has no ANSI spelling.
std::string KnownFolderPath(KnownFolder folder);
