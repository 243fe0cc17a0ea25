#pragma once
#include "base/CivilDate.h"
#include "engine/Profile.h"

#include <cstddef>
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

// What the Daily Analysis shows of a reading: 0 or less becomes 3 and 100 or
// more becomes 99 (so a cycle peak of 100 appears as 99); 1 and 2 stay as
// they are. No reading today is 0 or less, but a table changed one day
// must still show a bar. The hourly values and the plain text keep the raw
// value.
int ClampForDisplay(int value);

// "Daily Analysis - September 9, 2005  - Jane Doe -  Automatic Calibration":
// `heading` ("Daily Analysis - " or "Hourly Analysis - "), then the date, the
// full name and the calibration of the profile.
// The longest name a title shows whole: the longest the profile editor writes.
inline constexpr std::size_t kLongestShownName = 100;

std::string AnalysisTitle(const std::string& heading, const Profile& profile, const CivilDate& date);

// Fills `set` for the profile on the date: its numbers, the title, the five
// readings and the five lines.
void ComputeDailySet(Profile profile, const CivilDate& date, DailyReadingSet& set);

// The same set with the five readings as computed (1 to 100), not clamped as
// the window shows them: what the mailed report gives, image or text.
void ComputeUnclampedDailySet(Profile profile, const CivilDate& date, DailyReadingSet& set);

// One reading of `kind` on `date`, for the hourly curve. The hourly title is
// written into `title` and names `shownDate` (the day the Daily Analysis
// window is on), not the date of the value. Values of 0 or less become 3;
// there is no upper clamp. An unknown kind returns 3 with a title without
// suffix.
int ComputeSingleReading(int kind, Profile profile, const CivilDate& date, const CivilDate& shownDate,
                         std::string& title);

// The plain-text form of the set (the e-mailed report): the title, the five
// readings as "Name Reading: N%" unclamped, and the day, evil-eye and lottery
// lines, each ending in "\n".
std::string ComposeDailyText(Profile profile, const CivilDate& date);
