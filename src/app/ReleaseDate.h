#pragma once
#include <string>

// "M/D/YYYY" from the compiler's __DATE__ ("Mmm dd yyyy"), so the About box
// names the day this build was made. Anything unreadable gives "".
std::string ReleaseDateText(const std::string& compilerDate);
