#include "pages/PageUrl.h"

#include "base/AsciiText.h"
#include "base/PathText.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

bool IsDrivePath(const std::string& path)
{
    return path.size() > 2 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

}  // namespace

std::string LocalPathOfUrl(const std::string& url)
{
    const std::string prefix = "file://";
    if (LowerAscii(url.substr(0, prefix.size())) != prefix)
        return IsDrivePath(url) ? url : std::string();
    // The browser writes both "file:///C:/..." and "file://C:\...".
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
                return std::string();
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        path += c == '/' ? '\\' : c;
    }
    return path;
}

std::string PageTarget(const std::string& url, const std::string& page)
{
    const std::string local = LocalPathOfUrl(url);
    if (!local.empty())
        return local;
    // A path from the root is taken as written: where it may lead is for
    // the caller to judge.
    if (!url.empty() && url[0] == '/')
        return url;
    if (url.empty() || url.find_first_of("\\/:") != std::string::npos)
        return std::string();
    const std::string folder = FolderOf(page, PathSeparators::either);
    return folder.empty() ? std::string() : folder + url;
}

bool IsPageFileIn(const std::string& path, const std::string& folderPath)
{
    const std::string folder = LowerAscii(folderPath);
    const std::string lower = LowerAscii(path);
    if (folder.empty() || lower.compare(0, folder.size(), folder) != 0)
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
