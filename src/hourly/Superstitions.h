#pragma once
// The superstition of the day: one or two short folk superstitions chosen by
// the day of the month, shown as a page. The texts are Windows-1252 bytes
// (two sayings use its right single quotation mark, 0x92) and are written to
// the page unchanged.
#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kSuperstitionTitle = " Daily Superstition";

inline constexpr int kSuperstitionCount = 36;

// Entry `index` (0 to 35) of the table: the yellow keyword, then the black
// saying, with no closing tags (the page frame closes them). Empty outside
// the table.
std::string SuperstitionEntry(int index);

// The entries of a day of the month, one after the other; empty for a day
// outside 1 to 31.
std::string DailySuperstition(int day);

// Writes "super_e.htm" and "super_r.htm" into the page folder for the day
// and returns the full path of "super_e.htm", or an empty text when
// "super_r.htm" could not be written (the page is then not to be shown).
std::string WriteSuperstitionPage(PageSink& sink, int day);
