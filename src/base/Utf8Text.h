#pragma once
#include <cstddef>
#include <string>

// Text is UTF-8 inside the program; these are the few rules that need to
// know where one character ends and the next begins.

// True when `bytes` is well-formed UTF-8: no stray continuation byte, no
// sequence cut short, no overlong form, no surrogate, nothing past U+10FFFF.
// Plain ASCII is.
bool IsValidUtf8(const std::string& bytes);

// The whole character that starts at `at` (one byte when the bytes there are
// not a well-formed sequence).
std::string Utf8CharacterAt(const std::string& text, std::size_t at);

// Characters in `text`, each malformed byte counting as one.
std::size_t Utf8Length(const std::string& text);

// The longest start of `text` of at most `limit` bytes that does not end
// inside a character.
std::string Utf8Prefix(const std::string& text, std::size_t limit);

// `text` with each byte that is not part of a well-formed character
// replaced by `standIn`.
std::string Utf8Repaired(const std::string& text, char standIn);

void AppendUtf8(std::string& text, char32_t character);
