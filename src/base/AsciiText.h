#pragma once
// Case folding as Windows compares file names: ASCII letters only, whatever
// the locale, so the bytes of Windows-1252 letters never change.
#include <string>

inline char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string text)
{
    for (char& c : text)
        c = LowerAscii(c);
    return text;
}
