#pragma once
// Arithmetic of the date lists (month, day and year drop-downs) of the main
// window and the profile editor, kept apart from the controls so it can be
// tested without a window.
//
// A list index of -1 means "no selection": a stored value the list does not
// offer (a month 13 or a year 1850 read from a hand-edited file) leaves the
// list unselected, and whoever reads the list back must then keep the stored
// value instead of inventing one.

// A year list: newest year first, down to 1900.
class YearList {
public:
    static constexpr int oldestYear = 1900;

    // A clock before 1900 still gets a one-entry list rather than an empty one.
    explicit YearList(int topYear) : topYear_(topYear < oldestYear ? oldestYear : topYear) {}

    int TopYear() const { return topYear_; }
    int Count() const { return topYear_ - oldestYear + 1; }
    // The year shown at a list index; indexes outside the list give 0.
    int YearAt(int index) const;
    // The index showing `year`, or -1 when the list does not hold it.
    int IndexOf(int year) const;

private:
    int topYear_;
};

// What one set of date lists offers: its years, and how many days each
// month has in the calendar it follows.
class DateListRange {
public:
    // The main window reaches ten years past the current one, so that coming
    // days can be looked at too, and counts days as the readings do (every
    // fourth year a leap year, 1900 too), so every day the readings know can
    // be chosen.
    static DateListRange ForMainWindow(int currentYear);
    // The editor stops at the current year, so a person born this year can
    // be entered, and follows the real calendar: a birthday is a day that
    // was (no February 29, 1900).
    static DateListRange ForEditor(int currentYear);

    const YearList& Years() const { return years_; }
    // Entries of the day list for a month and year. A month outside 1 to 12
    // gives 31, so no stored day is cut short by a month the list cannot show.
    int DayEntries(int month, int year) const;

private:
    enum class Days { ProgramCount, RealCalendar };
    DateListRange(int topYear, Days days) : years_(topYear), days_(days) {}

    YearList years_;
    Days days_;
};

namespace DateLists {

// Month list "1" .. "12".
constexpr int kMonthEntries = 12;
int MonthIndex(int month);
int MonthAt(int index);

// The wanted day's entry, or the last entry when the month is shorter (31
// shown against April selects 30); -1 for a day below 1.
int DayIndex(int day, int entries);
int DayAt(int index);

} // namespace DateLists
