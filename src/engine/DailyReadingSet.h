#pragma once
#include "base/Clock.h"
#include "engine/Profile.h"

#include <string>

// Everything a Daily Analysis shows for one profile and one date.
struct DailyReadingSet {
    std::string Title;
    int Emotional = 0;     // the five readings: 0 or less shown as 3, 100 or more as 99
    int Physical = 0;
    int Intellectual = 0;
    int Intuition = 0;
    int Fortune = 0;
    std::string DayReadingLine;
    std::string EvilEyeLine;
    std::string LotteryLine;
    std::string SoulNumberLine;
    std::string ZodiacLine;
};

// Reading kinds as the hourly analysis numbers them.
enum ReadingKind {
    kEmotionalKind = 1,
    kPhysicalKind = 2,
    kIntellectualKind = 3,
    kIntuitionKind = 4,
    kFortuneKind = 5,
};

// The profile file at `path` (defaults when it is missing) with its numbers
// computed for the given date. Every computation loads afresh, so an edited
// profile shows at once.
Profile LoadProfileForDate(const std::string& path, int year, int month, int day);

// "Daily Analysis - September 9, 2005  - Jane Doe -  Automatic Calibration":
// `heading` ("Daily Analysis - " or "Hourly Analysis - "), then the date, the
// full name and the calibration of the profile.
std::string AnalysisTitle(const std::string& heading, const Profile& profile, int year, int month, int day);

// Fills `set` from a profile already read from its file: computes its numbers
// for the date, the title, the five readings and the five lines.
void FillDailySet(Profile profile, int year, int month, int day, DailyReadingSet& set);

// Reads the profile file and fills `set` for the date. With an empty path it
// does nothing, so the set keeps what it had.
void ComputeDailySet(const std::string& path, int year, int month, int day, DailyReadingSet& set);

// One reading of `kind` for month/day/year, for the hourly curve. The hourly
// title is written into `title` and names the shown date (the day the Daily
// Analysis window is on), not the date of the value. Values of 0 or less
// become 3; there is no upper clamp. An empty path returns 3 and leaves
// `title` untouched; an unknown kind returns 3 with a title without suffix.
int ComputeSingleReading(int kind, int month, int day, int year, const std::string& path,
                         int shownYear, int shownMonth, int shownDay, std::string& title);

// The plain-text form of today's set (the e-mailed report): the title, the
// five readings as "Name Reading: N%" unclamped, and the day, evil-eye and
// lottery lines, each ending in "\n".
std::string ComposeDailyText(const std::string& path, const Clock& clock);
std::string ComposeDailyText(const std::string& path);
