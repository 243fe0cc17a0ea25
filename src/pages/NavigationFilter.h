#pragma once
// Placement and navigation rules of the page window, kept free of Windows so
// they can be tested on their own.
#include <string>

// (screen size - page size) / 2, or 0 when the screen is not larger.
int CentreOffset(int screenSize, int pageSize);

// The browser's before-navigate filter: true lets the navigation proceed.
// Page files and the print link pass; every other link does nothing.
bool NavigationAllowed(const std::string& url);
