// The navigation filter on any URL: what passes is the print link or a
// ".htm" file directly in the data directory, as a path or a "file:" URL
// (judged here apart from the filter).
#include "FuzzInput.h"

#include "pages/NavigationFilter.h"

#include <regex>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider values(data, size);
    const std::string url = values.ConsumeRemainingBytesAsString();
    if (!NavigationAllowed(url) || url.empty() || url == "javascript:window.print()")
        return 0;
    std::string path = url;
    if (std::regex_search(url, std::regex("^file://", std::regex::icase))) {
        path.clear();
        for (std::size_t i = url[7] == '/' ? 8 : 7; i < url.size(); ++i) {
            const bool escape = url[i] == '%' && i + 2 < url.size();
            path += escape ? static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16)) : url[i];
            i += escape ? 2 : 0;
        }
    }
    static const std::regex page_file("c:[\\\\/]program files[\\\\/]oracline[\\\\/][^\\\\/:]+\\.htm",
                                      std::regex::icase);
    FUZZ_CHECK(std::regex_match(path, page_file));
    return 0;
}
