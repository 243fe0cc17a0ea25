// The engine on any values: birthdays, parents' and calibration dates and
// analysis dates anywhere in the int range. The daily set, the hourly single
// readings and the plain text are three roads to the same readings and must
// agree; stepping a real day forward and back returns to it.
#include "FuzzInput.h"

#include "base/Calendar.h"
#include "engine/DailyReadingSet.h"

#include <algorithm>
#include <climits>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider values(data, size);
    Profile profile;
    for (int* field : {&profile.yourMonth, &profile.yourDate, &profile.yourYear, &profile.motherMonth, &profile.motherDate,
                       &profile.motherYear, &profile.fatherMonth, &profile.fatherDate, &profile.fatherYear, &profile.badMonth,
                       &profile.badDate, &profile.badYear, &profile.goodMonth, &profile.goodDate, &profile.goodYear})
        *field = values.ConsumeIntegral<int>();
    const int flags = values.ConsumeIntegral<int>();
    profile.useMotherBirthday = flags & 1, profile.useFatherBirthday = flags & 2, profile.manualCalibration = flags & 4;
    const CivilDate date{values.ConsumeIntegral<int>(), values.ConsumeIntegral<int>(), values.ConsumeIntegral<int>()};
    const int month = values.ConsumeIntegralInRange(1, 12);
    const CivilDate realDay{date.year, month, values.ConsumeIntegralInRange(1, RealDaysInMonth(month, date.year))};
    // A name comes from one line of its file.
    profile.fullName = values.ConsumeRemainingBytesAsString();
    profile.fullName.erase(std::remove(profile.fullName.begin(), profile.fullName.end(), '\n'), profile.fullName.end());

    // The hourly value is the set's before the set caps it at 99; its title
    // names the day the window shows, with the person and calibration.
    DailyReadingSet set, shownSet;
    ComputeDailySet(profile, date, set);
    ComputeDailySet(profile, realDay, shownSet);
    const std::string hourly = "Hourly Analysis - " + shownSet.Title.substr(sizeof "Daily Analysis - " - 1);
    const int shown[] = {set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune};
    for (int kind = kEmotionalKind; kind <= kFortuneKind; ++kind) {
        std::string title;
        const int single = ComputeSingleReading(kind, profile, date, realDay, title);
        FUZZ_CHECK(std::min(single, 99) == shown[kind - 1]);
        FUZZ_CHECK(title.compare(0, hourly.size(), hourly) == 0);
    }

    // The text gives the raw values, which the set shows capped, and the
    // set's own title and lines.
    std::istringstream text(ComposeDailyText(profile, date));
    std::string line;
    FUZZ_CHECK(std::getline(text, line) && line == set.Title);
    for (int reading : shown) {
        const int raw = std::getline(text, line) ? std::stoi(line.substr(line.rfind(' ') + 1)) : 0;
        FUZZ_CHECK(raw >= 1 && raw <= 100 && std::min(raw, 99) == reading && line.back() == '%');
    }
    for (const std::string* expected : {&set.DayReadingLine, &set.EvilEyeLine, &set.LotteryLine})
        FUZZ_CHECK(std::getline(text, line) && line == *expected);
    FUZZ_CHECK(!std::getline(text, line));

    DayCount(profile.Birthday(), date);
    FUZZ_CHECK(DayAfter(date).month == DayBefore(date).month || (date.month >= 1 && date.month <= 12));
    const bool lastDay = realDay.year == INT_MAX && realDay.month == 12 && realDay.day == 31;
    const bool firstDay = realDay.year == INT_MIN && realDay.month == 1 && realDay.day == 1;
    FUZZ_CHECK(lastDay || (realDay < DayAfter(realDay) && DayBefore(DayAfter(realDay)) == realDay));
    FUZZ_CHECK(firstDay || (DayBefore(realDay) < realDay && DayAfter(DayBefore(realDay)) == realDay));
    return 0;
}
