#pragma once
// The engine's computations for a profile file: each reads the file afresh,
// so an edit of the profile shows in the next computation, and hands the
// values to the engine. A file that cannot be read gives the default person.
#include "base/Clock.h"
#include "engine/DailyReadingSet.h"

#include <string>

// The profile as the engine reads it ("Profile:" is not read).
Profile LoadProfile(const std::string& path);

// With an empty path nothing happens: the set keeps what it had.
void ComputeDailySetOfFile(const std::string& path, const CivilDate& date, DailyReadingSet& set);

// An empty path returns 3 and leaves `title` untouched.
int ComputeSingleReading(int kind, const std::string& path, const CivilDate& date, const CivilDate& shownDate,
                         std::string& title);

// The plain text of the set for the clock's today.
std::string ComposeDailyText(const std::string& path, const Clock& clock);
