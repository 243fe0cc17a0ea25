#include "platform/FileOps.h"

#include "base/PathText.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A rename is only durable once the folder that holds both names is synced.
bool SyncFolderOf(const std::string& path)
{
    std::string folder = FolderOf(path, PathSeparators::slash);
    if (folder.empty())
        folder = ".";
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

}  // namespace

NewFile WriteNewFileDurably(const std::string& path, const std::string& text,
                            const std::string& permissionsOf, LineEnds)
{
    // Text mode writes line feeds here: both forms are the same bytes.
    struct stat model;
    const bool keep = !permissionsOf.empty() && stat(permissionsOf.c_str(), &model) == 0 &&
                      S_ISREG(model.st_mode);
    // O_EXCL refuses an existing name even when it is a dangling link.
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? NewFile::NameTaken : NewFile::Failed;
    // fchmod, not the mode of open: the umask would narrow that.
    bool ok = WriteAll(fd, text);
    ok = ok && (!keep || fchmod(fd, model.st_mode & 07777) == 0);
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok)
        unlink(path.c_str());
    return ok ? NewFile::Written : NewFile::Failed;
}

bool MoveFileOver(const std::string& source, const std::string& target)
{
    if (std::rename(source.c_str(), target.c_str()) != 0)
        return false;
    // The new name is in place; a folder that cannot be synced (some file
    // systems refuse) does not undo that.
    SyncFolderOf(target);
    return true;
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

bool RegularFileSize(const std::string& path, long long& bytes)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    bytes = static_cast<long long>(st.st_size);
    return true;
}

bool IsMissingFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) != 0 && errno == ENOENT;
}

bool PathExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

bool ReadRegularFile(const std::string& path, long long limit, std::string& bytes)
{
    bytes.clear();
    // Non-blocking, so that opening a FIFO returns at once instead of waiting
    // for a writer; a regular file reads as always.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= limit;
    char block[4096];
    while (ok) {
        const ssize_t n = read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        bytes.append(block, static_cast<std::size_t>(n));
        // A file that grows while it is read is over the bound all the same.
        ok = static_cast<long long>(bytes.size()) <= limit;
    }
    close(fd);
    if (!ok)
        bytes.clear();
    return ok;
}

bool CopyNewFile(const std::string& source, const std::string& target, long long limit)
{
    std::string bytes;
    if (!ReadRegularFile(source, limit, bytes))
        return false;
    const int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok)
        unlink(target.c_str());
    return ok;
}

bool SecondsSinceWritten(const std::string& path, long long& seconds)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    seconds = static_cast<long long>(std::time(nullptr)) - static_cast<long long>(st.st_mtime);
    return true;
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
