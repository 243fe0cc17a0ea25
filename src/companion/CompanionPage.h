#pragma once
// The page behind the Companion Analysis window's Explain button: what the
// reading is based on, the matching rule in plain words, and why the two
// people got the results they did.
#include "companion/CompanionMatch.h"

#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kCompanionExplanationTitle = " Companion Analysis";

std::string CompanionExplanationContent(const CompanionMatch& match);

// Writes "effects.htm" and "reading.htm" into the page folder; returns
// the full path of "effects.htm", or an empty text when "reading.htm" could
// not be written.
std::string WriteCompanionExplanationPage(PageSink& sink, const CompanionMatch& match);
