#pragma once
#include <windows.h>

#include <string>

// The Companion button's work for the profiles of two descriptions: a pair
// that cannot be matched is refused with its message; otherwise the window
// for the two profile files, and the printout when it closes with Print.
void RunCompanionAnalysis(HWND owner, const std::string& dataDirectory, const std::string& firstDescription,
                          const std::string& secondDescription);
