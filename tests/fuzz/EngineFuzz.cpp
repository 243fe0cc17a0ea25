// The engine on any values: the daily set for birthdays, parents' and
// calibration dates and analysis dates anywhere in the int range, the day
// count and day stepping.
#include "FuzzInput.h"

#include "base/Calendar.h"
#include "engine/DailyReadingSet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider values(data, size);
    Profile profile;
    for (int* field : {&profile.yourMonth, &profile.yourDate, &profile.yourYear, &profile.motherMonth,
                       &profile.motherDate, &profile.motherYear, &profile.fatherMonth, &profile.fatherDate,
                       &profile.fatherYear, &profile.badMonth, &profile.badDate, &profile.badYear,
                       &profile.goodMonth, &profile.goodDate, &profile.goodYear})
        *field = values.ConsumeIntegral<int>();
    const int flags = values.ConsumeIntegral<int>();
    profile.useMotherBirthday = flags & 1, profile.useFatherBirthday = flags & 2, profile.manualCalibration = flags & 4;
    const CivilDate date{values.ConsumeIntegral<int>(), values.ConsumeIntegral<int>(), values.ConsumeIntegral<int>()};
    profile.fullName = values.ConsumeRemainingBytesAsString();

    DailyReadingSet set;
    ComputeDailySet(profile, date, set);
    for (int reading : {set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune})
        FUZZ_CHECK(reading >= 1 && reading <= 99);
    DayCount({profile.yourYear, profile.yourMonth, profile.yourDate}, date);
    FUZZ_CHECK(DayAfter(date).month == DayBefore(date).month || (date.month >= 1 && date.month <= 12));
    return 0;
}
