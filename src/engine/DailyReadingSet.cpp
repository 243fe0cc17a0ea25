#include "engine/DailyReadingSet.h"

#include "engine/Cycles.h"
#include "engine/PersonalNumbers.h"
#include "engine/PersonalReadings.h"
#include "profiles/ProfileFile.h"

namespace {

// What the Daily Analysis shows: 0 or less becomes 3 and 100 or more becomes
// 99 (so a cycle peak of 100 appears as 99); 1 and 2 stay as they are. The
// hourly values and the plain text keep the raw value.
int ClampForDisplay(int value)
{
    if (value <= 0)
        return 3;
    if (value >= 100)
        return 99;
    return value;
}

const char* KindSuffix(int kind)
{
    switch (kind) {
    case kEmotionalKind: return "   Reading - Emotional";
    case kPhysicalKind: return "   Reading - Physical";
    case kIntellectualKind: return "   Reading -Intellectual";  // no blank: the title has always read so
    case kIntuitionKind: return "   Reading - Intuition";
    case kFortuneKind: return "   Reading - Fortune";
    default: return nullptr;
    }
}

int ReadingOfKind(int kind, const Profile& profile)
{
    switch (kind) {
    case kEmotionalKind: return EmotionalReading(profile);
    case kPhysicalKind: return PhysicalReading(profile);
    case kIntellectualKind: return IntellectualReading(profile);
    case kIntuitionKind: return IntuitionReading(profile);
    case kFortuneKind: return FortuneReading(profile);
    default: return 3;
    }
}

}  // namespace

Profile LoadProfileForDate(const std::string& path, int year, int month, int day)
{
    Profile profile;
    ReadProfileForEngine(path, profile);
    profile.analysisYear = year;
    profile.analysisMonth = month;
    profile.analysisDay = day;
    ComputeNumbers(profile);
    return profile;
}

std::string AnalysisTitle(const std::string& heading, const Profile& profile, int year, int month, int day)
{
    std::string title = heading;
    title += MonthName(month);
    title += std::to_string(day);
    title += ", ";
    title += std::to_string(year);
    title += "  - ";
    title += profile.fullName;
    title += " -";
    title += profile.manualCalibration ? "  Manual Calibration" : "  Automatic Calibration";
    return title;
}

void FillDailySet(Profile profile, int year, int month, int day, DailyReadingSet& set)
{
    profile.analysisYear = year;
    profile.analysisMonth = month;
    profile.analysisDay = day;
    ComputeNumbers(profile);

    set.Title = AnalysisTitle("Daily Analysis - ", profile, year, month, day);
    set.Emotional = ClampForDisplay(EmotionalReading(profile));
    set.Physical = ClampForDisplay(PhysicalReading(profile));
    set.Intellectual = ClampForDisplay(IntellectualReading(profile));
    set.Intuition = ClampForDisplay(IntuitionReading(profile));
    set.Fortune = ClampForDisplay(FortuneReading(profile));
    set.DayReadingLine = DayReading(profile);
    set.EvilEyeLine = EvilEyeReading(profile);
    set.LotteryLine = LotteryNumbers(profile);
    set.SoulNumberLine = SoulNumber(profile);
    set.ZodiacLine = ZodiacSign(profile);
}

void ComputeDailySet(const std::string& path, int year, int month, int day, DailyReadingSet& set)
{
    if (path.empty())
        return;
    Profile profile;
    ReadProfileForEngine(path, profile);
    FillDailySet(profile, year, month, day, set);
}

int ComputeSingleReading(int kind, int month, int day, int year, const std::string& path,
                         int shownYear, int shownMonth, int shownDay, std::string& title)
{
    if (path.empty())
        return 3;
    const Profile profile = LoadProfileForDate(path, year, month, day);

    title = AnalysisTitle("Hourly Analysis - ", profile, shownYear, shownMonth, shownDay);
    const char* suffix = KindSuffix(kind);
    if (!suffix)
        return 3;
    title += suffix;

    const int value = ReadingOfKind(kind, profile);
    return value <= 0 ? 3 : value;
}

std::string ComposeDailyText(const std::string& path, const Clock& clock)
{
    const CivilDate today = clock.Today();
    const Profile profile = LoadProfileForDate(path, today.year, today.month, today.day);

    // Unlike the chart, the text gives the readings as computed (1 to 100).
    std::string text = AnalysisTitle("Daily Analysis - ", profile, today.year, today.month, today.day) + "\n";
    text += "Emotional Reading: " + std::to_string(EmotionalReading(profile)) + "%\n";
    text += "Physical Reading: " + std::to_string(PhysicalReading(profile)) + "%\n";
    text += "Intellectual Reading: " + std::to_string(IntellectualReading(profile)) + "%\n";
    text += "Intuition Reading: " + std::to_string(IntuitionReading(profile)) + "%\n";
    text += "Fortune Reading: " + std::to_string(FortuneReading(profile)) + "%\n";
    text += DayReading(profile) + "\n";
    text += EvilEyeReading(profile) + "\n";
    text += LotteryNumbers(profile) + "\n";
    return text;
}

std::string ComposeDailyText(const std::string& path)
{
    return ComposeDailyText(path, LocalClock());
}
