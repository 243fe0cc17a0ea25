#include "pages/PageFiles.h"

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
        if (entry->symlink_status(ignored).type() == fs::file_type::regular && path.extension() == ".htm")
            fs::remove(path, ignored);
    }
}
