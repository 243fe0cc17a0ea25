#include "win/SystemFolder.h"

#include <windows.h>

std::string SystemFilePath(const std::string& name)
{
    char system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "";
    return std::string(system) + "\\" + name;
}
