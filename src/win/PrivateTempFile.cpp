#include "win/PrivateTempFile.h"

#include "win/ScopedHandle.h"

#include <windows.h>

#include <cstdio>

std::string CreatePrivateTempFile(const std::string& extension)
{
    char folder[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length >= sizeof folder)
        return "";
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, "Oracline-%lx-%lx-%x", static_cast<unsigned long>(GetCurrentProcessId()),
                      static_cast<unsigned long>(GetTickCount()), ++counter);
        const std::string path = folder + std::string(name) + extension;
        if (FileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)))
            return path;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return "";
    }
    return "";
}
