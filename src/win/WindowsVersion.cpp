#include "win/WindowsVersion.h"

WindowsVersion CurrentWindowsVersion()
{
    OSVERSIONINFOEXA extended{};
    extended.dwOSVersionInfoSize = sizeof(extended);
    OSVERSIONINFOA* info = reinterpret_cast<OSVERSIONINFOA*>(&extended);
    if (!GetVersionExA(info)) {
        info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(info))
            return {};
    }
    return {static_cast<int>(info->dwPlatformId), static_cast<int>(info->dwMajorVersion),
            static_cast<int>(info->dwMinorVersion)};
}
