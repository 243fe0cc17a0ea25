#pragma once
#include <string>

// The zodiac picture the editor's sign panel shows for a birthday: the
// picture of the birthday's sign, installed beside the data, so the panel and
// the zodiac sign reading never disagree about a person's sign. A month
// outside 1 to 12 shows Capricorn, the picture a new profile starts with.
std::string SignImagePath(const std::string& dataDirectory, int month, int day);
