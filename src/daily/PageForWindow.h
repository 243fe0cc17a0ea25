#pragma once
// Writing a page pair for a window that must not open on a page it could not
// write: the explanation and the superstition pages stay closed then, without
// a message.
#include "pages/PageWriter.h"

#include <string>

// Writes the pair (redirect page first) and returns the redirect page's full
// path, or an empty text when the content page cannot be opened for writing.
std::string WritePagePairForWindow(const std::string& dataDirectory, const PageSpec& page);
