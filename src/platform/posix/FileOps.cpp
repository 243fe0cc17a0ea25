#include "platform/FileOps.h"

#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

bool MoveFileOver(const std::string& source, const std::string& target)
{
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool MakeWritable(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    return chmod(path.c_str(), st.st_mode | S_IWUSR) == 0;
}

bool RemoveFileForced(const std::string& path)
{
    MakeWritable(path);
    return std::remove(path.c_str()) == 0;
}

bool MoveToRecycleBin(const std::string&)
{
    return false;
}

bool IsReadOnlyFile(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return (st.st_mode & S_IWUSR) == 0;
}

std::vector<std::string> ListFiles(const std::string& directory)
{
    std::vector<std::string> names;
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir)
        return names;
    while (dirent* entry = readdir(dir)) {
        std::string full = directory + entry->d_name;
        struct stat st;
        if (stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(entry->d_name);
    }
    closedir(dir);
    return names;
}
