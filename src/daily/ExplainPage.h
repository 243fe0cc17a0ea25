#pragma once
// The page behind the Daily Analysis window's Explain button: what each part
// of the report means and how to use it.
#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kDailyExplanationTitle = " Daily Analysis - How To Use";

// The page's content: a heading and five paragraphs.
std::string DailyExplanationContent();

// Writes "effects.htm" and "reading.htm" into the page folder and returns
// the full path of "effects.htm", or an empty text when "reading.htm" could
// not be written (the page is then not to be shown).
std::string WriteDailyExplanationPage(PageSink& sink);
