#include "win/AccountFolders.h"

#include "base/DataPaths.h"
#include "win/KnownFolders.h"

#include <windows.h>

namespace {

std::string FolderIn(KnownFolder parent, const char* name)
{
    const std::string base = KnownFolderPath(parent);
    return base.empty() ? "" : base + name + "\\";
}

bool MakeFolder(const std::string& path)
{
    if (path.empty())
        return false;
    const std::string bare = path.substr(0, path.size() - 1);
    if (CreateDirectoryA(bare.c_str(), nullptr))
        return true;
    const DWORD attributes = GetFileAttributesA(bare.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

const std::string& AccountDataDirectory()
{
    static const std::string folder = FolderIn(KnownFolder::RoamingAppData, DataPaths::dataFolderName);
    return folder;
}

const std::string& AccountReportsDirectory()
{
    static const std::string folder = FolderIn(KnownFolder::Pictures, DataPaths::reportsFolderName);
    return folder;
}

std::string ScheduleRecordPath()
{
    const std::string& data = AccountDataDirectory();
    return data.empty() ? "" : data + DataPaths::scheduleRecordName;
}

bool CreateAccountFolders()
{
    // A reports folder that cannot be made leaves the file dialogs starting
    // elsewhere; without the data folder nothing could be kept at all.
    MakeFolder(AccountReportsDirectory());
    return MakeFolder(AccountDataDirectory());
}
