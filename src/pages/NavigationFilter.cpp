#include "pages/NavigationFilter.h"

#include "base/AsciiText.h"
#include "base/DataPaths.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// "file:///C:/Program%20Files/..." as the path the browser opens, or an
// empty text when the URL is not a plain local one.
std::string PathOfFileUrl(const std::string& url)
{
    // The browser writes both "file:///C:/..." and "file://C:\...".
    const std::string prefix = "file://";
    if (LowerAscii(url.substr(0, prefix.size())) != prefix)
        return "";
    std::size_t start = prefix.size();
    if (start < url.size() && url[start] == '/')
        ++start;
    std::string path;
    for (std::size_t i = start; i < url.size(); ++i) {
        char c = url[i];
        if (c == '%') {
            const int high = i + 2 < url.size() ? HexValue(url[i + 1]) : -1;
            const int low = high >= 0 ? HexValue(url[i + 2]) : -1;
            if (low < 0)
                return "";
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        path += c == '/' ? '\\' : c;
    }
    return path;
}

}  // namespace

bool IsPageFileIn(const std::string& path, const std::string& folderPath)
{
    const std::string folder = LowerAscii(folderPath);
    const std::string lower = LowerAscii(path);
    if (lower.compare(0, folder.size(), folder) != 0)
        return false;
    const std::string name = lower.substr(folder.size());
    if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".htm") != 0)
        return false;
    for (char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 32 || std::string("\\/:*?\"<>|#").find(c) != std::string::npos)
            return false;
    }
    return true;
}

bool NavigationAllowed(const std::string& url)
{
    if (url.empty())
        return true;
    // The print link is compared as written; only file names are case-blind.
    if (url == "javascript:window.print()")
        return true;
    const std::string path = PathOfFileUrl(url);
    return IsPageFileIn(path.empty() ? url : path, DataPaths::dataDirectory);
}
