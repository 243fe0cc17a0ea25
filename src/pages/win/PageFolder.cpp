#include "pages/win/PageFolder.h"

#include "base/AsciiText.h"
#include "win/KnownFolders.h"
#include "win/ScopedHandle.h"

#include <windows.h>

namespace {

// Text mode, as the C library would write it.
std::string WithCrLf(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (char c : bytes) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

// A plain file of one name: no reparse point (a symbolic link, a junction,
// a mount point), no directory, no second hard link through which another
// name could reach it.
bool IsPlainFile(HANDLE file, BY_HANDLE_FILE_INFORMATION& info)
{
    return GetFileInformationByHandle(file, &info) &&
           !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) &&
           info.nNumberOfLinks == 1;
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

// Removes the name `path` itself, whatever it is: opened as a reparse point
// (a link is then its own entry, never what it points to, also under Wine,
// where a plain delete of a symbolic link removes its target) and deleted
// through that handle once closed. A read-only file loses the flag through
// the same handle. False when the name is still there.
bool RemoveName(const std::string& path)
{
    const FileHandle entry(CreateFileA(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!entry)
        return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    FILE_BASIC_INFO basic{};
    if (GetFileInformationByHandleEx(entry.Get(), FileBasicInfo, &basic, sizeof(basic)) &&
        (basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
        basic.FileAttributes &= ~FILE_ATTRIBUTE_READONLY;
        SetFileInformationByHandle(entry.Get(), FileBasicInfo, &basic, sizeof(basic));
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(entry.Get(), FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

// Writes `text` into a file created anew at `path`, which nobody else may
// write meanwhile, and returns it held for reading: others may read it, not
// write, rename or delete it. Nothing held when any step fails; a file this
// created and could not hold is removed again.
FileHandle WriteFreshAndHold(const std::string& path, const std::string& text)
{
    // A link at the name goes, not what it points to; whatever cannot go
    // keeps the name taken, and CREATE_NEW then refuses it.
    RemoveName(path);
    FileHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!writer)
        return FileHandle();
    BY_HANDLE_FILE_INFORMATION written{};
    DWORD count = 0;
    bool whole = WriteFile(writer.Get(), text.data(), static_cast<DWORD>(text.size()), &count, nullptr) &&
                 count == text.size() && IsPlainFile(writer.Get(), written);
    writer.Reset();
    // Readers open pages sharing reading only, which a writing handle would
    // refuse: the hold is a reading handle, opened again without following
    // a link and checked to be the very file written.
    FileHandle held(whole ? CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)
                          : INVALID_HANDLE_VALUE);
    BY_HANDLE_FILE_INFORMATION reopened{};
    if (held && IsPlainFile(held.Get(), reopened) && SameFile(written, reopened))
        return held;
    held.Reset();
    RemoveName(path);
    return FileHandle();
}

bool IsLink(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// "Oracline\Pages\" in the local application-data folder, made when missing.
std::string AccountPagesFolder()
{
    const std::string local = KnownFolderPath(KnownFolder::LocalAppData);
    if (local.empty())
        return "";
    const std::string program = local + "Oracline\\";
    const std::string pages = program + "Pages\\";
    CreateDirectoryA(program.c_str(), nullptr);
    CreateDirectoryA(pages.c_str(), nullptr);
    return IsLink(program) || IsLink(pages) ? "" : pages;
}

} // namespace

PageFolder::PageFolder(std::string folder) : folder_(std::move(folder)) {}

PageFolder::~PageFolder() = default;

bool PageFolder::Write(const std::string& name, const std::string& bytes)
{
    if (folder_.empty())
        return false;
    Hold& hold = holds_[KeyOf(folder_ + name)];
    // Our own hold on an older writing would keep the name taken.
    hold.file.Reset();
    hold.file = WriteFreshAndHold(folder_ + name, WithCrLf(bytes));
    if (!hold.file)
        return false;
    hold.writing = ++writings_;
    return true;
}

std::string PageFolder::KeyOf(const std::string& path) const
{
    // Windows compares file names without regard to case.
    const std::string lower = LowerAscii(path);
    const std::string folder = LowerAscii(folder_);
    return folder.empty() || lower.compare(0, folder.size(), folder) != 0 ? "" : lower.substr(folder.size());
}

unsigned PageFolder::HeldWriting(const std::string& path) const
{
    const auto found = holds_.find(KeyOf(path));
    return found == holds_.end() || !found->second.file ? 0 : found->second.writing;
}

void PageFolder::Release(const std::string& path, unsigned writing)
{
    const auto found = holds_.find(KeyOf(path));
    if (found != holds_.end() && found->second.writing == writing)
        found->second.file.Reset();
}

void PageFolder::RemovePages()
{
    holds_.clear();
    if (folder_.empty())
        return;
    // Nothing but the program's own transient files lives here. A link goes
    // itself, never what it points to.
    WIN32_FIND_DATAA found;
    const FileSearch search(FindFirstFileA((folder_ + "*").c_str(), &found));
    if (!search)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            RemoveName(folder_ + found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
}

PageFolder& ProgramPageFolder()
{
    static PageFolder folder(AccountPagesFolder());
    return folder;
}
