#pragma once
// Text crosses into GDI+ and COM as UTF-16; everywhere else it stays narrow,
// in the system's ANSI code page. These two are the only crossings.
#include <cstddef>
#include <string>

std::wstring WideText(const std::string& text);
// `length` UTF-16 units from `text`; characters the code page lacks become
// its default character.
std::string NarrowText(const wchar_t* text, size_t length);

// The same, but empty when a character has no exact spelling in the code
// page: a path with a stand-in character would name another file.
std::string NarrowTextExactly(const wchar_t* text, size_t length);

// Text for the mail server, which takes UTF-8: from the narrow text, and
// from UTF-16 (what the Credential Manager keeps).
std::string Utf8Text(const std::string& text);
std::string Utf8FromWide(const wchar_t* text, size_t length);
