#pragma once
// Placement and navigation rules of the page window, kept free of Windows so
// they can be tested on their own.
#include <string>

// The browser's before-navigate filter: true lets the navigation proceed.
// Only the print link and ".htm" files directly inside the data directory
// pass, written as a path or as a "file:" URL; every other link (other
// schemes, other folders, network shares, "..") does nothing.
bool NavigationAllowed(const std::string& url);

// True for a ".htm" file directly inside `folder` (which ends in its
// separator): nothing after the folder but a plain name, compared without
// regard to case.
bool IsPageFileIn(const std::string& path, const std::string& folder);
