#pragma once
#include "base/CivilDate.h"

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
