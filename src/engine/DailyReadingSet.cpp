#include "engine/DailyReadingSet.h"

#include "engine/Cycles.h"
#include "engine/PersonalNumbers.h"
#include "engine/PersonalReadings.h"
#include "base/ShownText.h"

namespace {

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

// Every reading needs the numbers of the analysed date first.
void ForDate(Profile& profile, const CivilDate& date)
{
    profile.SetAnalysisDate(date);
    ComputeNumbers(profile);
}

}  // namespace

int ClampForDisplay(int value)
{
    if (value <= 0)
        return 3;
    if (value >= 100)
        return 99;
    return value;
}

std::string AnalysisTitle(const std::string& heading, const Profile& profile, const CivilDate& date)
{
    std::string title = heading;
    title += MonthName(date.month);
    title += std::to_string(date.day);
    title += ", ";
    title += std::to_string(date.year);
    title += "  - ";
    // The readings take the name as the file holds it, whatever its length;
    // the title shows it on one line and cut where no title could hold it.
    title += ShownText(profile.fullName, kLongestShownName);
    title += " -";
    title += profile.manualCalibration ? "  Manual Calibration" : "  Automatic Calibration";
    return title;
}

void ComputeDailySet(Profile profile, const CivilDate& date, DailyReadingSet& set)
{
    ComputeUnclampedDailySet(profile, date, set);
    for (int* reading : {&set.Emotional, &set.Physical, &set.Intellectual, &set.Intuition, &set.Fortune})
        *reading = ClampForDisplay(*reading);
}

void ComputeUnclampedDailySet(Profile profile, const CivilDate& date, DailyReadingSet& set)
{
    ForDate(profile, date);
    set.Title = AnalysisTitle("Daily Analysis - ", profile, date);
    set.Emotional = EmotionalReading(profile);
    set.Physical = PhysicalReading(profile);
    set.Intellectual = IntellectualReading(profile);
    set.Intuition = IntuitionReading(profile);
    set.Fortune = FortuneReading(profile);
    set.DayReadingLine = DayReading(profile);
    set.EvilEyeLine = EvilEyeReading(profile);
    set.LotteryLine = LotteryNumbers(profile);
    set.SoulNumberLine = SoulNumber(profile);
    set.ZodiacLine = ZodiacSign(profile);
}

int ComputeSingleReading(int kind, Profile profile, const CivilDate& date, const CivilDate& shownDate,
                         std::string& title)
{
    ForDate(profile, date);
    title = AnalysisTitle("Hourly Analysis - ", profile, shownDate);
    const char* suffix = KindSuffix(kind);
    if (!suffix)
        return 3;
    title += suffix;

    const int value = ReadingOfKind(kind, profile);
    return value <= 0 ? 3 : value;
}

std::string ComposeDailyText(Profile profile, const CivilDate& date)
{
    DailyReadingSet set;
    ComputeUnclampedDailySet(profile, date, set);
    std::string text = set.Title + "\n";
    text += "Emotional Reading: " + std::to_string(set.Emotional) + "%\n";
    text += "Physical Reading: " + std::to_string(set.Physical) + "%\n";
    text += "Intellectual Reading: " + std::to_string(set.Intellectual) + "%\n";
    text += "Intuition Reading: " + std::to_string(set.Intuition) + "%\n";
    text += "Fortune Reading: " + std::to_string(set.Fortune) + "%\n";
    text += set.DayReadingLine + "\n";
    text += set.EvilEyeLine + "\n";
    text += set.LotteryLine + "\n";
    return text;
}
