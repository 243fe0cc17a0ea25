#pragma once
// Text crosses into GDI+ and COM as UTF-16; everywhere else it stays narrow,
// in the system's ANSI code page. These two are the only crossings.
#include <cstddef>
#include <string>

std::wstring WideText(const std::string& text);
// `length` UTF-16 units from `text`; characters the code page lacks become
// its default character.
std::string NarrowText(const wchar_t* text, size_t length);
