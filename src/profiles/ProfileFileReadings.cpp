#include "profiles/ProfileFileReadings.h"

#include "profiles/ProfileFile.h"

Profile LoadProfile(const std::string& path)
{
    Profile profile;
    ReadProfileForEngine(path, profile);
    return profile;
}

void ComputeDailySetOfFile(const std::string& path, const CivilDate& date, DailyReadingSet& set)
{
    if (!path.empty())
        ComputeDailySet(LoadProfile(path), date, set);
}

int ComputeSingleReading(int kind, const std::string& path, const CivilDate& date, const CivilDate& shownDate,
                         std::string& title)
{
    if (path.empty())
        return 3;
    return ComputeSingleReading(kind, LoadProfile(path), date, shownDate, title);
}

std::string ComposeDailyText(const std::string& path, const Clock& clock)
{
    return ComposeDailyText(LoadProfile(path), clock.Today());
}
