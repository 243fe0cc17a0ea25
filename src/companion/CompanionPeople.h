#pragma once
// The two people of a companion analysis, as their profile files give them.
#include "base/CivilDate.h"
#include "companion/CompanionMatch.h"

#include <string>

// Stop icon: a selected profile whose file is missing or cannot be read.
std::string UnreadableProfileMessage(const std::string& description);

// The analysis needs two people: equal names (whatever their letter case)
// with equal birth dates are one person twice.
bool IsSamePerson(const std::string& firstName, const CivilDate& firstBirth,
                  const std::string& secondName, const CivilDate& secondBirth);
// Information icon: one person twice, both names in lower case.
std::string SamePersonMessage(const std::string& firstName, const std::string& secondName);

// Why the profiles of two descriptions cannot be matched: a profile whose
// file cannot be read (two such are not one person twice: nothing can be
// said about them at all), then one person twice. No message when they can.
struct PairRefusal {
    std::string message;
    bool isError = false;  // a stop; otherwise information
};
PairRefusal RefusalOfPair(const std::string& dataDirectory, const std::string& firstDescription,
                          const std::string& secondDescription);

// Name, sign and soul number from the profile file at `path` (the engine's
// defaults for what the file lacks).
CompanionPerson LoadCompanionPerson(const std::string& path);
