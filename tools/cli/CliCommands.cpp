#include "CliCommands.h"

#include "base/Calendar.h"
#include "base/TextLines.h"
#include "engine/DailySeries.h"
#include "profiles/ProfileFileReadings.h"

#include <iomanip>

namespace {

const int kUsageError = 2;
const int kFileError = 1;

void PrintUsage(std::ostream& err)
{
    err << "usage: oracline-cli daily PROFILE.ini [YYYY-MM-DD]\n"
           "       oracline-cli text PROFILE.ini [YYYY-MM-DD]\n"
           "       oracline-cli single PROFILE.ini KIND YYYY-MM-DD [SHOWN-YYYY-MM-DD]\n"
           "       oracline-cli month PROFILE.ini [YYYY-MM-DD] [DAYS]\n"
           "KIND: 1 Emotional, 2 Physical, 3 Intellectual, 4 Intuition, 5 Fortune\n";
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int Digits(const std::string& text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

// An optional minus and up to nine digits: any kind number a caller could
// mean, and nothing that could overflow.
bool ParseKind(const std::string& text, int& kind)
{
    std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
    std::size_t digits = text.size() - start;
    if (digits == 0 || digits > 9)
        return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (!IsDigit(text[i]))
            return false;
    int value = Digits(text, start, digits);
    kind = start ? -value : value;
    return true;
}

// The engine treats a missing profile file as the default person; on the
// command line that is almost always a typing error, so it is refused, and
// so is whatever the program's own readers would refuse (a device, a pipe, a
// file over their bound), which the engine would also take as missing.
bool CheckProfile(const std::string& path, std::ostream& err)
{
    std::string bytes;
    if (ReadSmallFile(path, bytes))
        return true;
    err << "oracline-cli: cannot open profile file: " << path << "\n";
    return false;
}

int RunDaily(const std::string& path, const CivilDate& date, std::ostream& out)
{
    DailyReadingSet set;
    ComputeDailySet(path, date, set);
    out << set.Title << "\n"
        << "Emotional Reading: " << set.Emotional << "%\n"
        << "Physical Reading: " << set.Physical << "%\n"
        << "Intellectual Reading: " << set.Intellectual << "%\n"
        << "Intuition Reading: " << set.Intuition << "%\n"
        << "Fortune Reading: " << set.Fortune << "%\n"
        << set.DayReadingLine << "\n"
        << set.EvilEyeLine << "\n"
        << set.LotteryLine << "\n"
        << set.SoulNumberLine << "\n"
        << set.ZodiacLine << "\n";
    return 0;
}

// A day count of 1 to kLongestSeries in plain digits.
bool ParseDays(const std::string& text, int& days)
{
    if (text.empty() || text.size() > 3)
        return false;
    for (char c : text)
        if (!IsDigit(c))
            return false;
    const int value = Digits(text, 0, text.size());
    if (value < 1 || value > kLongestSeries)
        return false;
    days = value;
    return true;
}

// One CSV line a day, for spreadsheets: none of the fields holds a comma.
int RunMonth(const std::string& path, const CivilDate& start, int days, std::ostream& out)
{
    out << "date,emotional,physical,intellectual,intuition,fortune,day\n";
    for (const SeriesDay& day : ComputeDailySeries(LoadProfile(path), start, days)) {
        out << std::setfill('0') << std::setw(4) << day.date.year << '-' << std::setw(2) << day.date.month << '-'
            << std::setw(2) << day.date.day << std::setfill(' ');
        for (int value : day.readings)
            out << ',' << value;
        out << ',' << day.dayReading << "\n";
    }
    return 0;
}

}  // namespace

bool ParseIsoDate(const std::string& text, CivilDate& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!IsDigit(text[i]))
            return false;
    CivilDate parsed;
    parsed.year = Digits(text, 0, 4);
    parsed.month = Digits(text, 5, 2);
    parsed.day = Digits(text, 8, 2);
    if (parsed.month < 1 || parsed.month > 12 || parsed.day < 1 ||
        parsed.day > RealDaysInMonth(parsed.month, parsed.year))
        return false;
    date = parsed;
    return true;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock)
{
    if (args.size() < 2) {
        PrintUsage(err);
        return kUsageError;
    }
    const std::string& command = args[0];
    const std::string& path = args[1];
    CivilDate date = clock.Today();

    if (command == "daily" || command == "text") {
        if (args.size() > 3 || (args.size() == 3 && !ParseIsoDate(args[2], date))) {
            PrintUsage(err);
            return kUsageError;
        }
        if (!CheckProfile(path, err))
            return kFileError;
        if (command == "daily")
            return RunDaily(path, date, out);
        out << ComposeDailyText(path, FixedClock(date));
        return 0;
    }

    if (command == "single") {
        int kind = 0;
        CivilDate shown;
        if (args.size() < 4 || args.size() > 5 || !ParseKind(args[2], kind) || !ParseIsoDate(args[3], date)) {
            PrintUsage(err);
            return kUsageError;
        }
        shown = date;
        if (args.size() == 5 && !ParseIsoDate(args[4], shown)) {
            PrintUsage(err);
            return kUsageError;
        }
        if (!CheckProfile(path, err))
            return kFileError;
        std::string title;
        int value = ComputeSingleReading(kind, path, date, shown, title);
        out << value << "\n" << title << "\n";
        return 0;
    }

    if (command == "month") {
        int days = kOutlookDays;
        // A lone optional argument is the date when it has a date's length.
        std::size_t next = 2;
        bool ok = true;
        if (args.size() > next && args[next].size() == 10)
            ok = ParseIsoDate(args[next++], date);
        if (ok && args.size() > next)
            ok = ParseDays(args[next++], days);
        if (!ok || args.size() > next) {
            PrintUsage(err);
            return kUsageError;
        }
        if (!CheckProfile(path, err))
            return kFileError;
        return RunMonth(path, date, days, out);
    }

    PrintUsage(err);
    return kUsageError;
}
