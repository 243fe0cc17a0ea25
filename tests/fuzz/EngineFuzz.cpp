// The engine on any values: the five readings, the daily set and its lines,
// the day count and day stepping, for birthdays, parents' and calibration
// dates and analysis dates anywhere in the int range.
#include "FuzzInput.h"

#include "base/Calendar.h"
#include "daily/DayNavigation.h"
#include "engine/DailyReadingSet.h"
#include "engine/PersonalReadings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Values values(data, size);
    Profile profile;
    for (int Profile::*field : {&Profile::yourMonth, &Profile::yourDate, &Profile::yourYear,
                                &Profile::motherMonth, &Profile::motherDate, &Profile::motherYear,
                                &Profile::fatherMonth, &Profile::fatherDate, &Profile::fatherYear,
                                &Profile::badMonth, &Profile::badDate, &Profile::badYear,
                                &Profile::goodMonth, &Profile::goodDate, &Profile::goodYear})
        profile.*field = values.Int();
    profile.useMotherBirthday = values.Flag();
    profile.useFatherBirthday = values.Flag();
    profile.manualCalibration = values.Flag();
    const CivilDate date{values.Int(), values.Int(), values.Int()};
    profile.fullName = values.Rest();

    DailyReadingSet set;
    FillDailySet(profile, date.year, date.month, date.day, set);
    for (int reading : {set.Emotional, set.Physical, set.Intellectual, set.Intuition, set.Fortune})
        FUZZ_CHECK(reading >= 1 && reading <= 99);

    DayCount(profile.yourMonth, profile.yourDate, profile.yourYear, date.month, date.day, date.year);
    DaysInMonth(date.month, date.year);
    // Stepping a day and back again returns to a real date.
    if (date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 28) {
        const CivilDate after = DayAfter(date), before = DayBefore(date);
        FUZZ_CHECK(after.month >= 1 && after.month <= 12 && before.month >= 1 && before.month <= 12);
    } else {
        DayAfter(date);
        DayBefore(date);
    }
    return 0;
}
