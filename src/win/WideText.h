#pragma once
// Text crosses into GDI+ and COM as UTF-16; everywhere else it stays narrow,
// in the system's ANSI code page.
#include <string>

std::wstring WideText(const std::string& text);
