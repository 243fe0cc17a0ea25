#pragma once
// The pages the profile editor shows about a birthday: its zodiac sign, soul
// number and Chinese year (the panel with the sign's picture is a page of
// its own, SignPanelPage).
// Each Write function writes its page pair into the page folder and
// returns the full path of the page to open.
#include "base/CivilDate.h"

#include "pages/PageSink.h"

#include <string>

inline constexpr const char* kSignPageTitle = " Astrology: Zodiac Sign";
inline constexpr const char* kNumberPageTitle = " Numerology: Soul Number";
inline constexpr const char* kYearPageTitle = " Astrology: Year";
inline constexpr const char* kSignPanelTitle = " ";

std::string SignPageContent(int month, int day);
std::string NumberPageContent(const CivilDate& birthday);
std::string YearPageContent(int year);

// "effects.htm" and "reading.htm".
std::string WriteSignPage(PageSink& sink, int month, int day);
std::string WriteNumberPage(PageSink& sink, const CivilDate& birthday);
std::string WriteYearPage(PageSink& sink, int year);
