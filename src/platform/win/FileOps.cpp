#include "platform/FileOps.h"

#include <windows.h>
#include <shellapi.h>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

NewFile WriteNewFileDurably(const std::string& path, const std::string& text, const std::string&,
                            LineEnds lineEnds)
{
    // _O_EXCL opens with CREATE_NEW, which neither reuses nor follows anything
    // already there; _O_TEXT gives the CR LF line ends of the file format.
    const int mode = lineEnds == LineEnds::textMode ? _O_TEXT : _O_BINARY;
    int fd = _sopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | mode | _O_NOINHERIT, _SH_DENYRW,
                    _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return errno == EEXIST ? NewFile::NameTaken : NewFile::Failed;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < text.size()) {
        const std::size_t chunk = text.size() - done < INT_MAX / 2 ? text.size() - done : INT_MAX / 2;
        // In text mode _write reports the bytes taken from the buffer, not
        // the larger count that reached the file.
        const int n = _write(fd, text.data() + done, static_cast<unsigned int>(chunk));
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    ok = ok && _commit(fd) == 0;  // FlushFileBuffers
    ok = _close(fd) == 0 && ok;
    if (!ok)
        DeleteFileA(path.c_str());
    return ok ? NewFile::Written : NewFile::Failed;
}

bool MoveFileOver(const std::string& source, const std::string& target)
{
    // Readers that open the target without FILE_SHARE_DELETE (our own, virus
    // scanners, the search indexer) let go within moments; until then the
    // rename fails with a sharing or lock violation, or with access denied
    // when the target is open or still being deleted.
    const int kAttempts = 6;
    const DWORD kPauseMilliseconds = 50;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          error == ERROR_ACCESS_DENIED;
        if (!held || attempt == kAttempts)
            return false;
        Sleep(kPauseMilliseconds);
    }
}

bool MakeWritable(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != 0;
}

bool RemoveFileForced(const std::string& path)
{
    MakeWritable(path);
    return DeleteFileA(path.c_str()) != 0;
}

bool MoveToRecycleBin(const std::string& path)
{
    // The list of sources ends in an empty name.
    std::string from = path;
    from.append(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    if (SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted)
        return false;
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool IsReadOnlyFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool RegularFileSize(const std::string& path, long long& bytes)
{
    // Device names (CON, NUL, COM1) and pipes have no file attributes of a
    // plain file; GetFileType tells them apart once opened.
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool regular = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
                         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(file);
    if (regular)
        bytes = (static_cast<long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return regular;
}

// The C runtime's answer, which names every way Windows says "no such
// file or folder" ENOENT.
bool IsMissingFile(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) != 0 && errno == ENOENT;
}

// Devices (NUL, CON) have no attributes; opening them without access tells.
bool PathExists(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_INVALID_NAME;
    }
    CloseHandle(file);
    return true;
}

bool ReadRegularFile(const std::string& path, long long limit, std::string& bytes)
{
    bytes.clear();
    // Others may go on reading, writing and renaming: a writer replacing the
    // file renames over it, and this reader must not make that wait.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // Device names (CON, NUL, COM1) and pipes open too; only a file on a
    // disk has an end to read to. Directories do not open without backup
    // semantics.
    LARGE_INTEGER size{};
    bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart <= limit;
    char block[4096];
    while (ok) {
        DWORD got = 0;
        if (!ReadFile(file, block, sizeof block, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        bytes.append(block, got);
        // A file that grows while it is read is over the bound all the same.
        ok = static_cast<long long>(bytes.size()) <= limit;
    }
    CloseHandle(file);
    if (!ok)
        bytes.clear();
    return ok;
}

bool CopyNewFile(const std::string& source, const std::string& target, long long limit)
{
    std::string bytes;
    if (!ReadRegularFile(source, limit, bytes))
        return false;
    // CREATE_NEW neither reuses nor follows anything already there.
    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = bytes.size() <= MAXDWORD &&
              WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    if (!ok)
        DeleteFileA(target.c_str());
    return ok;
}

bool SecondsSinceWritten(const std::string& path, long long& seconds)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                      time.dwLowDateTime);
    };
    seconds = (ticks(now) - ticks(data.ftLastWriteTime)) / 10000000;  // 100 ns ticks
    return true;
}

std::vector<std::string> ListFiles(const std::string& directory)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((directory + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}
