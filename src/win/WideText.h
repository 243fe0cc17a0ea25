#pragma once
// Text is UTF-8 inside the program. The manifest makes UTF-8 the process
// code page (Windows 10 1903 and later), so the ANSI calls take it as it is;
// GDI+, COM and the wide calls get UTF-16 from here. These are the only
// crossings.
#include <cstddef>
#include <string>

std::wstring WideText(const std::string& text);
// `length` UTF-16 units from `text`; a lone surrogate becomes U+FFFD.
std::string NarrowText(const wchar_t* text, size_t length);

// The same, but empty when `text` holds a lone surrogate: a path spelt with
// a stand-in character would name another file.
std::string NarrowTextExactly(const wchar_t* text, size_t length);
