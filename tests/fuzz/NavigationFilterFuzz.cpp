// The navigation filter on any URL: what passes is the print link or a
// ".htm" file directly in the data directory, as a path or a "file:" URL
// (judged here apart from the filter).
#include "FuzzInput.h"

#include "pages/NavigationFilter.h"

#include <algorithm>
#include <cctype>

namespace {

// Written out rather than as std::regex, which recurses once per character
// and overflows the stack on the long URLs the fuzzer makes. A '|' in
// `lower` stands for either slash.
bool SameLetters(const std::string& text, std::size_t at, const std::string& lower)
{
    if (text.size() < at + lower.size())
        return false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + i])));
        if (lower[i] == '|' ? c != '/' && c != '\\' : c != lower[i])
            return false;
    }
    return true;
}

bool IsPageFileOfTheDataFolder(const std::string& path)
{
    const std::string folder = "c:|program files|oracline|", ending = ".htm";
    if (path.size() <= folder.size() + ending.size() || !SameLetters(path, 0, folder) ||
        !SameLetters(path, path.size() - ending.size(), ending))
        return false;
    const std::string name = path.substr(folder.size());
    return name.find_first_of("\\/:") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider values(data, size);
    const std::string url = values.ConsumeRemainingBytesAsString();
    if (!NavigationAllowed(url, "C:\\Program Files\\Oracline\\") || url.empty() || url == "javascript:window.print()")
        return 0;
    std::string path = url;
    if (SameLetters(url, 0, "file://")) {
        path.clear();
        for (std::size_t i = url[7] == '/' ? 8 : 7; i < url.size(); ++i) {
            const bool escape = url[i] == '%' && i + 2 < url.size();
            path += escape ? static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16)) : url[i];
            i += escape ? 2 : 0;
        }
    }
    FUZZ_CHECK(IsPageFileOfTheDataFolder(path));
    return 0;
}
