#include "pages/NavigationFilter.h"

#include "base/DataPaths.h"
#include "pages/PageUrl.h"

bool NavigationAllowed(const std::string& url)
{
    if (url.empty() || url == kPrintLink)
        return true;
    return IsPageFileIn(LocalPathOfUrl(url), DataPaths::dataDirectory);
}
