#include "pages/PageFiles.h"

#include "base/AsciiText.h"
#include "platform/FileOps.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

bool WriteWithCLibrary(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool IsPageFileName(const std::string& name)
{
    const std::string suffix = ".htm";
    return name.size() >= suffix.size() && LowerAscii(name.substr(name.size() - suffix.size())) == suffix;
}

PageFileWriter& Writer()
{
    static PageFileWriter writer = WriteWithCLibrary;
    return writer;
}

} // namespace

void SetPageFileWriter(PageFileWriter writer)
{
    Writer() = writer ? std::move(writer) : PageFileWriter(WriteWithCLibrary);
}

bool WritePageFile(const std::string& path, const std::string& bytes)
{
    return Writer()(path, bytes);
}

void RemoveLeftPages(const std::string& dataDirectory)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator entry(fs::path(dataDirectory), error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        const fs::path& path = entry->path();
        if (entry->symlink_status(ignored).type() == fs::file_type::regular &&
            IsPageFileName(path.filename().string()))
            RemoveFileForced(path.string());
    }
}
