#pragma once
#include "engine/Profile.h"

#include <string>

// The text lines of a Daily Analysis. Each takes a profile on which
// ComputeNumbers has run and returns the whole line, label included.

// Letter values of a text: a/A..z/Z are 1..26, digits 1..9 themselves,
// every other byte (blanks, punctuation, "0", non-ASCII) 0.
int NameValue(const std::string& text);

// The fixed bonus of a day of the month (0 for most days).
int DayBonus(int day);

// Brings v below `limit`: values from 55 up first fold into 45..54, values
// from `limit` up then into limit - 10 .. limit - 1; 0 becomes 1.
int FoldNumber(int v, int limit);

// "Lottery Numbers: " and six numbers, two blanks between them and one
// after the last. Neither sorted nor distinct.
std::string LotteryNumbers(const Profile& profile);

// "Day Reading: " + "Good Day" / "Normal Day" / "Bad Day".
std::string DayReading(const Profile& profile);

// "Evil Eye Reading: " + the wording of the same good / normal / bad class.
std::string EvilEyeReading(const Profile& profile);

// "Soul Number: " + ownNumber, or an empty line when it is outside 0..9.
std::string SoulNumber(const Profile& profile);

// "Zodiac Sign: " + the sign of the own birthday, or an empty line for a
// month outside 1..12.
std::string ZodiacSign(const Profile& profile);

// "January " .. "November " for 1..11; every other value is "December ".
// The trailing blank is part of the name: titles rely on it.
std::string MonthName(int month);
