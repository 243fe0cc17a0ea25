#include "win/KnownFolders.h"

#include "win/WideText.h"

#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include <cwchar>

std::string KnownFolderPath(KnownFolder folder)
{
    const KNOWNFOLDERID* id = &FOLDERID_RoamingAppData;
    if (folder == KnownFolder::LocalAppData)
        id = &FOLDERID_LocalAppData;
    else if (folder == KnownFolder::Pictures)
        id = &FOLDERID_Pictures;
    PWSTR wide = nullptr;
    // KF_FLAG_CREATE: a fresh account may not have the folder yet.
    if (FAILED(SHGetKnownFolderPath(*id, KF_FLAG_CREATE, nullptr, &wide)) || !wide) {
        CoTaskMemFree(wide);
        return "";
    }
    std::string path = NarrowTextExactly(wide, wcslen(wide));
    CoTaskMemFree(wide);
    if (path.empty())
        return "";
    if (path.back() != '\\')
        path += '\\';
    return path;
}
