#pragma once
// The sign periods of a birthday, shared by the information pages and the
// profile editor's sign picture.
#include <string>

enum class Sign { None = -1, Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn,
                  Aquarius, Pisces };

// The sign of a birthday: the first sign of the month's pair up to the month's
// limit day, the second after it. Sign::None for a month outside 1 to 12;
// the day is not checked against the month's length.
Sign SignOfBirthday(int month, int day);

// "Aries" .. "Pisces"; empty for Sign::None.
std::string SignName(Sign sign);

// "aries.gif" .. "pisces.gif" for the birthday; "capricorn.gif" for a month
// outside 1 to 12, which is the editor's picture before any date is chosen.
std::string SignImageFile(int month, int day);
