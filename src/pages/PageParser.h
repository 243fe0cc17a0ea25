#pragma once
// Reads the HTML the program writes into a PageDocument for the built-in page
// view. It knows the small set of tags the page writers use; scripts, the
// head and comments are dropped, and any other tag is kept as plain text so
// that nothing in a page can make the view fail.
#include "pages/PageDocument.h"

#include <string>

PageDocument ParsePage(const std::string& html);

// Reads a page file and, when it is a redirect page, the page it redirects to
// (a few steps at most, so two pages pointing at each other cannot loop).
// False when the first file cannot be read.
bool LoadPageFile(const std::string& path, PageDocument& page, std::string& shownPath);
