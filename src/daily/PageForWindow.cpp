#include "daily/PageForWindow.h"

#include <cstdio>

std::string WritePagePairForWindow(const std::string& dataDirectory, const PageSpec& page)
{
    const std::string redirectPath = WritePagePair(dataDirectory, page);
    // The writer skips a file it cannot open, so ask again: a content page
    // that could not be opened just now cannot be opened for appending either,
    // and appending leaves what was just written untouched.
    std::FILE* content = std::fopen((dataDirectory + page.contentName).c_str(), "a");
    if (!content)
        return std::string();
    std::fclose(content);
    return redirectPath;
}
