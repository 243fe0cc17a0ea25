#include "pages/NavigationFilter.h"

#include "pages/PageUrl.h"

bool NavigationAllowed(const std::string& url, const std::string& pagesFolder)
{
    if (url.empty() || url == kPrintLink)
        return true;
    return IsPageFileIn(LocalPathOfUrl(url), pagesFolder);
}
