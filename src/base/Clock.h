#pragma once

// A civil date from the local calendar: month 1 to 12, day of the month,
// four-digit year.
struct CivilDate {
    int year = 1900;
    int month = 1;
    int day = 1;
};

// "Today" comes from here so tests can fix the date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;
};

// The local clock of the machine.
class LocalClock : public Clock {
public:
    CivilDate Today() const override;
};

// A clock that always answers the same date.
class FixedClock : public Clock {
public:
    explicit FixedClock(CivilDate date) : date_(date) {}
    CivilDate Today() const override { return date_; }

private:
    CivilDate date_;
};
