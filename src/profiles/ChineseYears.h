#pragma once
// The animals of the Chinese years, by the Gregorian birth year alone: the
// lunar new year plays no part.
#include <string>

// The first and last years the table knows.
inline constexpr int kFirstAnimalYear = 1900;
inline constexpr int kLastAnimalYear = 2012;

// "The Year of the Rat", a paragraph break and a change to black, then the
// animal's description; empty outside the known years.
std::string ChineseYearText(int year);
