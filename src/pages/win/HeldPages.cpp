#include "pages/win/HeldPages.h"

#include "base/AsciiText.h"
#include "pages/PageFiles.h"

#include <windows.h>

#include <map>

namespace {

struct Hold {
    HANDLE file = INVALID_HANDLE_VALUE;
    unsigned writing = 0;
};

std::map<std::string, Hold>& Holds()
{
    static std::map<std::string, Hold> holds;
    return holds;
}

// Windows compares file names without regard to case.
std::string KeyOf(const std::string& path)
{
    return LowerAscii(path);
}

void Let(Hold& hold)
{
    if (hold.file != INVALID_HANDLE_VALUE)
        CloseHandle(hold.file);
    hold.file = INVALID_HANDLE_VALUE;
}

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

bool WriteWhole(const std::string& path, const std::string& text)
{
    // While it is written, nobody else may write it either.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                       written == text.size();
    return CloseHandle(file) && whole;
}

// Opens the file for reading, sharing only reading, and checks that it holds
// `text` and nothing more; INVALID_HANDLE_VALUE otherwise.
HANDLE HoldIfUnchanged(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return file;
    std::string read(text.size() + 1, '\0');
    DWORD got = 0;
    const bool same = ReadFile(file, &read[0], static_cast<DWORD>(read.size()), &got, nullptr) &&
                      got == text.size() && read.compare(0, got, text) == 0;
    if (!same) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    return file;
}

} // namespace

bool WriteHeldPage(const std::string& path, const std::string& bytes)
{
    static unsigned writings = 0;
    Hold& hold = Holds()[KeyOf(path)];
    // Our own hold on an older writing would refuse the new one.
    Let(hold);
    const std::string text = WithCrLf(bytes);
    if (!WriteWhole(path, text))
        return false;
    hold.file = HoldIfUnchanged(path, text);
    hold.writing = ++writings;
    return hold.file != INVALID_HANDLE_VALUE;
}

unsigned HeldPageWriting(const std::string& path)
{
    const auto found = Holds().find(KeyOf(path));
    return found == Holds().end() || found->second.file == INVALID_HANDLE_VALUE ? 0 : found->second.writing;
}

void ReleaseHeldPage(const std::string& path, unsigned writing)
{
    const auto found = Holds().find(KeyOf(path));
    if (found != Holds().end() && found->second.writing == writing)
        Let(found->second);
}

void StartHeldPages(const std::string& dataDirectory)
{
    RemoveLeftPages(dataDirectory);
    SetPageFileWriter(WriteHeldPage);
}
