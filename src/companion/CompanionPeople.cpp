#include "companion/CompanionPeople.h"

#include "base/AsciiText.h"
#include "base/ShownText.h"
#include "engine/DailyReadingSet.h"
#include "engine/PersonalNumbers.h"
#include "profiles/ProfileFile.h"

std::string UnreadableProfileMessage(const std::string& description)
{
    return "Unable to read profile \"" + description + "\".     \n"
           "Companion analysis needs both profiles.     ";
}

bool IsSamePerson(const std::string& firstName, const CivilDate& firstBirth,
                  const std::string& secondName, const CivilDate& secondBirth)
{
    return LowerAscii(firstName) == LowerAscii(secondName) && firstBirth == secondBirth;
}

std::string SamePersonMessage(const std::string& firstName, const std::string& secondName)
{
    return LowerAscii(firstName) + " and " + LowerAscii(secondName) +
           " - same name/birthdays.   \nCompanion analysis is designed for two different people "
           "only.     ";
}

PairRefusal RefusalOfPair(const std::string& dataDirectory, const std::string& firstDescription,
                          const std::string& secondDescription)
{
    for (const std::string* description : {&firstDescription, &secondDescription})
        if (!ProfileFileExists(dataDirectory, *description))
            return {UnreadableProfileMessage(*description), true};
    std::string firstName, secondName;
    CivilDate firstBirth, secondBirth;
    ReadNameAndBirthDate(dataDirectory, firstDescription, firstName, firstBirth);
    ReadNameAndBirthDate(dataDirectory, secondDescription, secondName, secondBirth);
    if (IsSamePerson(firstName, firstBirth, secondName, secondBirth))
        return {SamePersonMessage(firstName, secondName), false};
    return {};
}

CompanionPerson LoadCompanionPerson(const std::string& path)
{
    Profile profile;
    ReadProfileForEngine(path, profile);
    // The soul number comes from the birth date alone; the analysed date
    // only matters to readings the companion analysis does not use.
    profile.SetAnalysisDate(profile.Birthday());
    ComputeNumbers(profile);
    return {ShownText(profile.fullName, kLongestShownName), SignOfBirthday(profile.yourMonth, profile.yourDate), profile.ownNumber};
}
