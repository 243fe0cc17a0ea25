#pragma once
#include "base/Clock.h"

#include <ostream>
#include <string>
#include <vector>

// The command-line companion: the engine's daily set, its plain text, a
// single reading and a run of days for a profile file, without the Windows
// front end.
//
//   daily PROFILE.ini [YYYY-MM-DD]
//   text PROFILE.ini [YYYY-MM-DD]
//   single PROFILE.ini KIND YYYY-MM-DD [SHOWN-YYYY-MM-DD]
//   month PROFILE.ini [YYYY-MM-DD] [DAYS]     CSV of DAYS (1 to 366, default 30) days
//
// `args` are the arguments after the program name; a date left out is
// clock.Today(). Returns the exit status: 0 done, 1 the profile file cannot
// be opened or is not a regular file of at most 1 MiB (`err` says which), 2 a
// malformed command, date, kind or day count (`err` names the argument, then
// the usage).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const Clock& clock);

// Strictly "YYYY-MM-DD" in digits, with a month of 1..12 and a day that the
// month has in the real calendar. False leaves `date` unchanged.
bool ParseIsoDate(const std::string& text, CivilDate& date);
