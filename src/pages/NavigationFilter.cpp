#include "pages/NavigationFilter.h"

#include <cctype>

int CentreOffset(int screenSize, int pageSize)
{
    if (screenSize <= pageSize)
        return 0;
    return (screenSize - pageSize) / 2;
}

bool NavigationAllowed(const std::string& url)
{
    if (url.empty())
        return true;
    // The print link is compared as written; only file names are case-blind.
    if (url == "javascript:window.print()")
        return true;
    if (url.size() < 4)
        return false;
    std::string tail = url.substr(url.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".htm";
}
