#pragma once
#include <windows.h>

#include <string>

// The Companion button's work once the two profiles are known to be two
// people: the window for the two profile files, and the printout when it
// closes with Print.
void RunCompanionAnalysis(HWND owner, const std::string& firstProfilePath, const std::string& secondProfilePath);
