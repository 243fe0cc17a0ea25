#include "companion/CompanionPeople.h"

#include "engine/PersonalNumbers.h"
#include "profiles/ProfileFile.h"

std::string UnreadableProfileMessage(const std::string& description)
{
    return "Unable to read profile \"" + description + "\".     \n"
           "Companion analysis needs both profiles.     ";
}

CompanionPerson LoadCompanionPerson(const std::string& path)
{
    Profile profile;
    ReadProfileForEngine(path, profile);
    // The soul number comes from the birth date alone; the analysed date
    // only matters to readings the companion analysis does not use.
    profile.SetAnalysisDate(profile.Birthday());
    ComputeNumbers(profile);
    return {profile.fullName, SignOfBirthday(profile.yourMonth, profile.yourDate), profile.ownNumber};
}
