// The navigation filter on any URL: what passes is the print link or a
// ".htm" file directly in the data directory, as a path or a "file:" URL
// (judged here apart from the filter).
#include "FuzzInput.h"

#include "pages/NavigationFilter.h"

#include <cctype>

namespace {

// Lower case with either slash as '/'. (Not std::regex, which recurses once
// per character and overflows the stack on the long URLs the fuzzer makes.)
std::string Folded(std::string text)
{
    for (char& c : text)
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string url(reinterpret_cast<const char*>(data), size);
    if (!NavigationAllowed(url, "C:\\Program Files\\Oracline\\") || url.empty() || url == "javascript:window.print()")
        return 0;
    std::string path = url;
    if (Folded(url).rfind("file://", 0) == 0) {
        path.clear();
        for (std::size_t i = url[7] == '/' ? 8 : 7; i < url.size(); ++i) {
            const bool escape = url[i] == '%' && i + 2 < url.size();
            path += escape ? static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16)) : url[i];
            i += escape ? 2 : 0;
        }
    }
    const std::string folder = "c:/program files/oracline/", ending = ".htm";
    path = Folded(path);
    FUZZ_CHECK(path.size() > folder.size() + ending.size() && path.rfind(folder, 0) == 0 &&
               path.compare(path.size() - ending.size(), ending.size(), ending) == 0 &&
               path.find_first_of("/:", folder.size()) == std::string::npos);
    return 0;
}
