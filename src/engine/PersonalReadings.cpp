#include "engine/PersonalReadings.h"

#include "engine/DigitRules.h"
#include "base/Int32.h"
#include "engine/ZodiacSigns.h"

namespace {

enum class DayClass { Good, Normal, Bad };

// Earlier rows win, so a day matching both the father's and the bad number
// is normal, and one matching the good and the bad number is good.
DayClass ClassifyDay(const Profile& p)
{
    const int n = DayNumber(p.AnalysisDate());
    if (n == p.ownNumber || n == p.motherNumber || n == p.goodNumber)
        return DayClass::Good;
    if (n == p.fatherNumber)
        return DayClass::Normal;
    if (n == p.badNumber)
        return DayClass::Bad;
    return DayClass::Normal;
}

}  // namespace

int NameValue(const std::string& text)
{
    long long sum = 0;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z')
            sum += c - 'a' + 1;
        else if (c >= 'A' && c <= 'Z')
            sum += c - 'A' + 1;
        else if (c >= '1' && c <= '9')
            sum += c - '0';
    }
    return Wrap32(sum);
}

int DayBonus(int day)
{
    switch (day) {
    case 1: return 2;
    case 4: return 1;
    case 5: return 8;
    case 7: return 5;
    case 11: return 3;
    case 14: return 4;
    case 18: return 3;
    case 19: return 1;
    case 23: return 9;
    case 24: return 7;
    case 28: return 4;
    case 30: return 5;
    case 31: return 7;
    default: return 0;
    }
}

int FoldNumber(int v, int limit)
{
    // Both subtrahends are taken of values of at least 10, so truncating
    // division is the floor here.
    long long x = v;
    if (x >= 55)
        x -= 10 * ((x - 45) / 10);
    if (x >= limit)
        x -= 10 * ((x - limit + 10) / 10);
    return x == 0 ? 1 : Wrap32(x);
}

std::string LotteryNumbers(const Profile& p)
{
    // Sums of file values can be anything, so each step wraps like the
    // 32-bit arithmetic of the rule (see Int32.h).
    const int dateSum = Wrap32(static_cast<long long>(p.analysisYear) + p.analysisMonth + p.analysisDay);
    int b = YearDigit(dateSum) + DayBonus(p.analysisDay);
    int a = Wrap32(static_cast<long long>(b) + NameValue(p.fullName) + ReduceNumber(p.yourMonth) +
                   ReduceNumber(p.yourDate) + YearDigit(p.yourYear));
    if (p.analysisMonth % 2 != 0) {
        b += 3;
        a = Wrap32(static_cast<long long>(a) + 7);
    }

    const int half = a / 2;
    const int third = a / 3;
    const int numbers[6] = {
        FoldNumber(Wrap32(static_cast<long long>(half) + b + 1), 10),
        FoldNumber(Wrap32(static_cast<long long>(third) + b + 4), 20),
        FoldNumber(Wrap32(static_cast<long long>(half) + b + 3), 30),
        FoldNumber(Wrap32(static_cast<long long>(third) + b + 6), 40),
        FoldNumber(Wrap32(static_cast<long long>(half) + b + 2), 55),
        FoldNumber(Wrap32(static_cast<long long>(third) + b + 5), 30),
    };

    std::string line = "Lottery Numbers: ";
    for (int i = 0; i < 6; ++i) {
        line += std::to_string(numbers[i]);
        line += i < 5 ? "  " : " ";
    }
    return line;
}

std::string DayReading(const Profile& profile)
{
    switch (ClassifyDay(profile)) {
    case DayClass::Good: return "Day Reading: Good Day";
    case DayClass::Bad: return "Day Reading: Bad Day";
    case DayClass::Normal: break;
    }
    return "Day Reading: Normal Day";
}

std::string EvilEyeReading(const Profile& profile)
{
    switch (ClassifyDay(profile)) {
    case DayClass::Good: return "Evil Eye Reading: Not susceptible to the Evil Eye";
    case DayClass::Bad: return "Evil Eye Reading: Someone put the Evil Eye on you";
    case DayClass::Normal: break;
    }
    return "Evil Eye Reading: Susceptible to the Evil Eye";
}

std::string SoulNumber(const Profile& profile)
{
    if (profile.ownNumber < 0 || profile.ownNumber > 9)
        return std::string();
    return "Soul Number: " + std::to_string(profile.ownNumber);
}

std::string ZodiacSign(const Profile& profile)
{
    const Sign sign = SignOfBirthday(profile.yourMonth, profile.yourDate);
    if (sign == Sign::None)
        return std::string();
    return "Zodiac Sign: " + SignName(sign);
}

std::string MonthName(int month)
{
    static const char* const kNames[11] = {"January ", "February ", "March ",     "April ",
                                           "May ",     "June ",     "July ",      "August ",
                                           "September ", "October ", "November "};
    if (month >= 1 && month <= 11)
        return kNames[month - 1];
    return "December ";
}
