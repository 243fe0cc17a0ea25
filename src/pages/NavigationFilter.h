#pragma once
// The browser's before-navigate filter, kept free of Windows so it can be
// tested on its own.
#include <string>

// True lets the navigation proceed. Only the print link and ".htm" files
// directly inside `pagesFolder` pass, written as a path or as a "file:"
// URL; every other link (other schemes, other folders, network shares, "..")
// does nothing.
bool NavigationAllowed(const std::string& url, const std::string& pagesFolder);
