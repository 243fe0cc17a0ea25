#include "engine/ZodiacSigns.h"

#include "base/AsciiText.h"

namespace {

struct MonthSigns {
    int limit;
    Sign upToLimit;
    Sign afterLimit;
};

const MonthSigns kMonthSigns[12] = {
    {20, Sign::Capricorn, Sign::Aquarius}, {19, Sign::Aquarius, Sign::Pisces},
    {20, Sign::Pisces, Sign::Aries},       {20, Sign::Aries, Sign::Taurus},
    {21, Sign::Taurus, Sign::Gemini},      {21, Sign::Gemini, Sign::Cancer},
    {22, Sign::Cancer, Sign::Leo},         {23, Sign::Leo, Sign::Virgo},
    {23, Sign::Virgo, Sign::Libra},        {23, Sign::Libra, Sign::Scorpio},
    {22, Sign::Scorpio, Sign::Sagittarius}, {21, Sign::Sagittarius, Sign::Capricorn},
};

const char* const kNames[12] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

}  // namespace

Sign SignOfBirthday(int month, int day)
{
    if (month < 1 || month > 12)
        return Sign::None;
    const MonthSigns& pair = kMonthSigns[month - 1];
    return day <= pair.limit ? pair.upToLimit : pair.afterLimit;
}

std::string SignName(Sign sign)
{
    if (sign == Sign::None)
        return std::string();
    return kNames[static_cast<int>(sign)];
}

std::string SignImageFile(int month, int day)
{
    Sign sign = SignOfBirthday(month, day);
    if (sign == Sign::None)
        sign = Sign::Capricorn;
    return LowerAscii(SignName(sign)) + ".gif";
}
