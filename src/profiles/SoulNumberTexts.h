#pragma once
// What the soul number page says about each number.
#include <string>

// The heading and character description of soul number n; empty for n
// outside 0 to 9.
std::string SoulNumberText(int n);

// What a soul number is, with the table of mutually completing numbers.
std::string SoulNumberExplanation();
