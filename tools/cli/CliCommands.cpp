#include "CliCommands.h"

#include "base/Calendar.h"
#include "base/TextLines.h"
#include "engine/DailySeries.h"
#include "platform/FileOps.h"
#include "engine/DailyReadingSet.h"
#include "profiles/ProfileFile.h"

#include <iomanip>

namespace {

const int kUsageError = 2;
const int kFileError = 1;

// Says what is wrong with the command, then how it is meant.
int Usage(std::ostream& err, const std::string& problem)
{
    err << "oracline-cli: " << problem << "\n"
        << "usage: oracline-cli daily PROFILE.ini [YYYY-MM-DD]\n"
           "       oracline-cli text PROFILE.ini [YYYY-MM-DD]\n"
           "       oracline-cli single PROFILE.ini KIND YYYY-MM-DD [SHOWN-YYYY-MM-DD]\n"
           "       oracline-cli month PROFILE.ini [YYYY-MM-DD] [DAYS]\n"
           "KIND: 1 Emotional, 2 Physical, 3 Intellectual, 4 Intuition, 5 Fortune\n";
    return kUsageError;
}

std::string NotADate(const std::string& text)
{
    return "not a date of the calendar (YYYY-MM-DD): " + text;
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

// One digit from 1 to 5: the readings the engine knows.
bool ParseKind(const std::string& text, int& kind)
{
    if (text.size() != 1 || text[0] < '1' || text[0] > '5')
        return false;
    kind = text[0] - '0';
    return true;
}

// The engine treats a missing profile file as the default person; on the
// command line that is almost always a typing error, so it is refused, and
// so is whatever the program's own readers would refuse (a device, a pipe, a
// file over their bound), which the engine would also take as missing. The
// profile is read once, from the handle that was checked: a file swapped in
// afterwards is never what is computed.
bool LoadCheckedProfile(const std::string& path, Profile& profile, std::ostream& err)
{
    std::string bytes;
    if (ReadSmallFile(path, bytes)) {
        ReadProfileTextForEngine(bytes, profile);
        return true;
    }
    long long size = 0;
    const char* why = RegularFileSize(path, size)
                          ? (size > kMaxDataFileBytes ? "larger than 1 MiB" : "cannot be read")
                          : (PathExists(path) ? "not a regular file" : "no such file");
    err << "oracline-cli: cannot use profile file " << path << ": " << why << "\n";
    return false;
}

int RunDaily(const Profile& profile, const CivilDate& date, std::ostream& out)
{
    DailyReadingSet set;
    ComputeDailySet(profile, date, set);
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
int RunMonth(const Profile& profile, const CivilDate& start, int days, std::ostream& out)
{
    out << "date,emotional,physical,intellectual,intuition,fortune,day\n";
    for (const SeriesDay& day : ComputeDailySeries(profile, start, days)) {
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
    if (args.empty())
        return Usage(err, "no command given");
    const std::string& command = args[0];
    if (command != "daily" && command != "text" && command != "single" && command != "month")
        return Usage(err, "unknown command: " + command);
    if (args.size() < 2)
        return Usage(err, "no profile file given");
    const std::string& path = args[1];
    CivilDate date = clock.Today();
    Profile profile;

    if (command == "daily" || command == "text") {
        if (args.size() > 3)
            return Usage(err, "too many arguments");
        if (args.size() == 3 && !ParseIsoDate(args[2], date))
            return Usage(err, NotADate(args[2]));
        if (!LoadCheckedProfile(path, profile, err))
            return kFileError;
        if (command == "daily")
            return RunDaily(profile, date, out);
        out << ComposeDailyText(profile, date);
        return 0;
    }

    if (command == "single") {
        int kind = 0;
        if (args.size() < 4)
            return Usage(err, "single needs KIND and YYYY-MM-DD after the profile file");
        if (args.size() > 5)
            return Usage(err, "too many arguments");
        if (!ParseKind(args[2], kind))
            return Usage(err, "KIND must be 1 to 5: " + args[2]);
        if (!ParseIsoDate(args[3], date))
            return Usage(err, NotADate(args[3]));
        CivilDate shown = date;
        if (args.size() == 5 && !ParseIsoDate(args[4], shown))
            return Usage(err, NotADate(args[4]));
        if (!LoadCheckedProfile(path, profile, err))
            return kFileError;
        std::string title;
        int value = ComputeSingleReading(kind, profile, date, shown, title);
        out << value << "\n" << title << "\n";
        return 0;
    }

    int days = kOutlookDays;
    // A lone optional argument is the date when it has a date's length.
    std::size_t next = 2;
    if (args.size() > next && args[next].size() == 10) {
        if (!ParseIsoDate(args[next], date))
            return Usage(err, NotADate(args[next]));
        ++next;
    }
    if (args.size() > next) {
        if (!ParseDays(args[next], days))
            return Usage(err, "DAYS must be 1 to 366: " + args[next]);
        ++next;
    }
    if (args.size() > next)
        return Usage(err, "too many arguments");
    if (!LoadCheckedProfile(path, profile, err))
        return kFileError;
    return RunMonth(profile, date, days, out);
}
