#pragma once
// The two people of a companion analysis, as their profile files give them.
#include "companion/CompanionMatch.h"

#include <string>

// Stop icon: a selected profile whose file is missing or cannot be read.
std::string UnreadableProfileMessage(const std::string& description);

// Name, sign and soul number from the profile file at `path` (the engine's
// defaults for what the file lacks).
CompanionPerson LoadCompanionPerson(const std::string& path);
