#pragma once
// Stepping the Daily Analysis window between its opening date and the two
// days around it, and which of its buttons that leaves usable.
//
// Every step starts from the date the window was opened for (`baseDate`),
// never from the date shown; only a day chosen in the Monthly Outlook goes
// further than one of its two neighbours. The hourly buttons (E, P, B, I, F) work only while `baseDate`
// is shown, since the hourly analysis is always computed around it.
#include "base/CivilDate.h"

// Navigation refuses dates before this year: stepping a day once went through
// the system clock, which starts in 1970, and users know the limit.
inline constexpr int kFirstNavigableYear = 1971;

struct DailyButtons {
    bool prevDay = true;
    bool nextDay = true;
    bool now = false;
    bool hourly = true;  // E, P, B, I and F together; S is always enabled
};

class DayNavigation {
public:
    // The window's state at initialisation, shown date = opening date.
    explicit DayNavigation(const CivilDate& baseDate);

    const CivilDate& BaseDate() const { return baseDate_; }
    const CivilDate& ShownDate() const { return shownDate_; }
    const DailyButtons& Buttons() const { return buttons_; }

    // Each returns the stop message to show when it refuses (opening date
    // before 1971; nothing else changes), or nullptr when the shown date was
    // set: the window then recomputes the set for ShownDate() and repaints.
    const char* PrevDay();
    const char* NextDay();
    // Any later day, chosen in the Monthly Outlook: the two neighbours as
    // Prev and Next Day reach them, the opening date as Now; further days
    // leave only Now, since Prev and Next Day step around the opening date.
    const char* ShowDay(const CivilDate& date);
    // Back to the opening date; also run when an hourly window closes.
    void Now();

private:
    bool BeforeFirstYear() const { return baseDate_.year < kFirstNavigableYear; }

    CivilDate baseDate_;
    CivilDate shownDate_;
    DailyButtons buttons_;
};
