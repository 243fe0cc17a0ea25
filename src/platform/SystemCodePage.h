#pragma once
#include <string>

// Earlier versions wrote their files in the system's own code page; this
// spells such bytes in UTF-8. On Windows the code page is the system
// locale's (not the process's, which is UTF-8); elsewhere there is none to
// ask, and Windows-1252, the Western one, stands for it.
std::string Utf8FromSystemCodePage(const std::string& bytes);
