// The browser's navigation filter on any URL: what passes is the print link
// or a ".htm" file directly in the data directory, judged independently here;
// and the page window's centring on any two sizes.
#include "FuzzInput.h"

#include "base/DataPaths.h"
#include "pages/NavigationFilter.h"
#include "pages/PageWriter.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Percent-decoded "file:" URL, or the text itself.
std::string AsPath(const std::string& url)
{
    std::string lower = Lower(url);
    if (lower.rfind("file://", 0) != 0)
        return url;
    std::string path;
    for (std::size_t i = url[7] == '/' ? 8 : 7; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size()) {
            path += static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            path += url[i] == '/' ? '\\' : url[i];
        }
    }
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Values values(data, size);
    const int screen = values.Int(), page = values.Int();
    const int offset = CentreOffset(screen, page);
    FUZZ_CHECK(offset >= 0 && 2LL * offset <= std::max(0LL, static_cast<long long>(screen) - page));

    const std::string url = values.Rest();
    FUZZ_CHECK(EscapeHtml(url).find_first_of("<>\"'") == std::string::npos);
    if (!NavigationAllowed(url) || url.empty() || url == "javascript:window.print()")
        return 0;
    const std::string path = Lower(AsPath(url));
    const std::string folder = Lower(DataPaths::dataDirectory);
    FUZZ_CHECK(path.rfind(folder, 0) == 0);
    const std::string name = path.substr(folder.size());
    FUZZ_CHECK(name.size() > 4 && name.substr(name.size() - 4) == ".htm");
    FUZZ_CHECK(name.find_first_of("\\/:") == std::string::npos && name.find("..\\") == std::string::npos);
    return 0;
}
