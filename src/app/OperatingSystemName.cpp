#include "app/OperatingSystemName.h"

std::string OperatingSystemName(int platformId, int major, int minor)
{
    switch (static_cast<OsPlatform>(platformId)) {
    case OsPlatform::Win32s:
        return "32";
    case OsPlatform::Windows9x:
        if (major == 4 && minor == 0) return "95";
        if (major == 4 && minor == 10) return "98";
        if (major == 4 && minor == 90) return "ME";
        return "";
    case OsPlatform::WindowsNT:
        // Systems after XP get no name: only "95" is acted upon.
        if (major <= 4) return "NT";
        if (major == 5 && minor == 0) return "2000";
        if (major == 5 && minor >= 1) return "XP";
        return "";
    }
    return "";
}
