#pragma once
// What a page URL names, decided in one place: the navigation filter, the
// page host, the page reader and the built-in view all ask here, so a
// rule mended for one of them holds for all.
#include <string>

// The only link the program's pages carry. Compared as written: only file
// names are case-blind.
inline const char* const kPrintLink = "javascript:window.print()";

// The local file a URL names: a "file://" URL ("file:///C:/a%20b/x.htm" or
// "file://C:\x.htm", escapes decoded, slashes turned round) or a drive path
// as written. Empty for anything else: other schemes, relative names, shares
// and URLs with a broken escape.
std::string LocalPathOfUrl(const std::string& url);

// The file a link or redirect written on `page` leads to: LocalPathOfUrl of
// it, a path from the root as written, or a plain name (no folder, drive or
// scheme) beside `page`; empty otherwise.
std::string PageTarget(const std::string& url, const std::string& page);

// True for a ".htm" file directly inside `folder` (which ends in its
// separator): nothing after the folder but a plain name, compared without
// regard to case.
bool IsPageFileIn(const std::string& path, const std::string& folder);
