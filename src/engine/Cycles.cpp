#include "engine/Cycles.h"

#include "engine/DigitRules.h"

#include <cstddef>

namespace {

// One stepped cycle. `bounds` are the upper ends of the position columns in
// hours after the q = 0 column; a position beyond the last bound takes the
// final "rest" column. The rows are deliberately not mirror images of each
// other everywhere: those quirks are part of the readings people know.
struct CycleTable {
    int halfPeriod;
    int columns;  // q = 0, one per bound, rest
    const int* bounds;
    const int* upper;
    const int* lower;
};

int ReadCycle(const CycleTable& t, int h)
{
    const bool upperHalf = h >= 0 && (h / t.halfPeriod) % 2 == 0;
    // A negative count is deliberately left unreduced: it always lands in the
    // first column after zero.
    const int q = h > t.halfPeriod ? h % t.halfPeriod : h;
    const int* row = upperHalf ? t.upper : t.lower;

    if (q == 0)
        return row[0];
    const int boundCount = t.columns - 2;
    for (int i = 0; i < boundCount; ++i) {
        if (q <= t.bounds[i])
            return row[i + 1];
    }
    return row[t.columns - 1];
}

constexpr int kEmotionalBounds[] = {24, 48, 72, 96, 120, 144, 168, 192, 216, 240, 264, 288, 312};
constexpr int kEmotionalUpper[] = {50, 57, 64, 71, 78, 85, 93, 100, 93, 85, 78, 71, 64, 57, 50};
constexpr int kEmotionalLower[] = {49, 42, 35, 28, 21, 14, 7, 1, 7, 14, 21, 28, 35, 42, 49};
constexpr CycleTable kEmotional = {336, 15, kEmotionalBounds, kEmotionalUpper, kEmotionalLower};

// The half-periods of Physical and Intellectual are not whole days, so the
// bounds stay in hours and the peak shifts by half a day each cycle.
constexpr int kPhysicalBounds[] = {24, 48, 72, 96, 138, 144, 168, 192, 216, 240};
constexpr int kPhysicalUpper[] = {50, 60, 70, 80, 90, 100, 100, 90, 80, 70, 60, 50};
constexpr int kPhysicalLower[] = {50, 40, 30, 20, 10, 1, 1, 10, 20, 30, 40, 50};
constexpr CycleTable kPhysical = {276, 12, kPhysicalBounds, kPhysicalUpper, kPhysicalLower};

constexpr int kIntellectualBounds[] = {24, 48, 72, 96, 120, 144, 168, 198, 216, 240, 264, 288, 312, 336, 360};
constexpr int kIntellectualUpper[] = {50, 56, 62, 68, 74, 80, 86, 93, 100, 93, 86, 80, 74, 68, 62, 56, 50};
constexpr int kIntellectualLower[] = {50, 44, 38, 31, 24, 18, 12, 6, 1, 1, 12, 18, 24, 31, 38, 44, 50};
constexpr CycleTable kIntellectual = {396, 17, kIntellectualBounds, kIntellectualUpper, kIntellectualLower};

template <std::size_t Bounds, std::size_t Upper, std::size_t Lower>
constexpr bool RowsFit(const int (&)[Bounds], const int (&)[Upper], const int (&)[Lower])
{
    return Upper == Bounds + 2 && Lower == Bounds + 2;
}
static_assert(RowsFit(kEmotionalBounds, kEmotionalUpper, kEmotionalLower) && kEmotional.columns == 15, "");
static_assert(RowsFit(kPhysicalBounds, kPhysicalUpper, kPhysicalLower) && kPhysical.columns == 12, "");
static_assert(RowsFit(kIntellectualBounds, kIntellectualUpper, kIntellectualLower) && kIntellectual.columns == 17,
              "");

enum class DayMatch { OwnOrMother, Good, Father, Bad, None };

DayMatch MatchDay(const Profile& p)
{
    const int n = DayNumber(p.AnalysisDate());
    if (n == p.ownNumber || n == p.motherNumber)
        return DayMatch::OwnOrMother;
    if (n == p.goodNumber)
        return DayMatch::Good;
    if (n == p.fatherNumber)
        return DayMatch::Father;
    if (n == p.badNumber)
        return DayMatch::Bad;
    return DayMatch::None;
}

// `low` when the day is not divisible by `divisor`, else low + 10.
int Step(int day, int divisor, int low)
{
    return day % divisor != 0 ? low : low + 10;
}

}  // namespace

int EmotionalReading(const Profile& profile)
{
    return ReadCycle(kEmotional, profile.hourCount);
}

int PhysicalReading(const Profile& profile)
{
    return ReadCycle(kPhysical, profile.hourCount);
}

int IntellectualReading(const Profile& profile)
{
    return ReadCycle(kIntellectual, profile.hourCount);
}

int IntuitionReading(const Profile& profile)
{
    const int d = profile.analysisDay;
    switch (MatchDay(profile)) {
    case DayMatch::OwnOrMother: return Step(d, 2, 80);
    case DayMatch::Good: return Step(d, 3, 60);
    case DayMatch::Father: return Step(d, 4, 40);
    case DayMatch::Bad: return Step(d, 6, 20);
    case DayMatch::None: break;
    }
    return 10;
}

int FortuneReading(const Profile& profile)
{
    const int d = profile.analysisDay;
    switch (MatchDay(profile)) {
    case DayMatch::OwnOrMother: return Step(d, 2, 20);
    case DayMatch::Good: return Step(d, 3, 40);
    case DayMatch::Father: return Step(d, 4, 60);
    case DayMatch::Bad: return Step(d, 6, 80);
    case DayMatch::None: break;
    }
    return 10;
}
