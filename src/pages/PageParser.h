#pragma once
// Reads the HTML the program writes into a PageDocument for the built-in page
// view. It knows the small set of tags, colours and font sizes the page
// writers use; scripts, the head and comments are dropped, any other tag is
// kept as plain text and any other value is passed over, so that nothing in
// a page can make the view fail. Time and memory grow in step with the page.
#include "pages/PageDocument.h"

#include <string>

PageDocument ParsePage(const std::string& html);

// Reads a page file and, when it is a redirect page, the page beside it that
// it redirects to (one step: the program writes no redirect to a redirect).
// False when the first file cannot be read.
bool LoadPageFile(const std::string& path, PageDocument& page, std::string& shownPath);
