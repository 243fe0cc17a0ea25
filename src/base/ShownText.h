#pragma once
// Text from a file on its way to a place that cannot hold everything a file
// can: a window title, a drawn heading, a mail, a log. What the text means
// to the readings is never changed; only how it is shown.
#include <cstddef>
#include <string>

// Control characters (a line break would start a line, or a header, of its
// own) become blanks, and text longer than `longest` bytes is cut there,
// never inside a UTF-8 sequence, and ends in "..." so the cut shows.
std::string ShownText(const std::string& text, std::size_t longest);
