#pragma once
// The welcome page shown at the first start, before any profile exists.
#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kIntroductionTitle =
    " Oracline 2005 - Take full control of your past, present and future today.";

// The page's content: what the program computes and how to begin.
std::string IntroductionContent();

// Writes "effects.htm" and "reading.htm" into the page folder; returns the
// full path of "effects.htm".
std::string WriteIntroductionPage(PageSink& sink);
