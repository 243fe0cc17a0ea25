#pragma once
// The running system's version, asked in one place.
#include <windows.h>

struct WindowsVersion {
    int platformId = -1;  // VER_PLATFORM_…; -1 when the system would not say
    int major = 0;
    int minor = 0;
};

// GetVersionEx with the extended structure, or the plain one on systems
// too old to take it.
WindowsVersion CurrentWindowsVersion();
