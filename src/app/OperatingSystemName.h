#pragma once
#include <string>

// Platform identifiers as the version information reports them.
enum class OsPlatform { Win32s = 0, Windows9x = 1, WindowsNT = 2 };

// The short name start-up uses to refuse old systems ("95", "98", "ME", "NT",
// "2000", "XP", "32"); empty for anything it does not know.
std::string OperatingSystemName(int platformId, int major, int minor);
