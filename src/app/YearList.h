#pragma once
// The main window's year list: newest year first, down to 1900. It reaches
// ten years past the current one so that coming days can be looked at too.
class YearList {
public:
    static constexpr int oldestYear = 1900;
    static constexpr int yearsAhead = 10;

    explicit YearList(int currentYear) : topYear_(currentYear + yearsAhead) {}

    int TopYear() const { return topYear_; }
    int Count() const;
    // The year shown at a list index; indexes outside the list give 0.
    int YearAt(int index) const;
    // The index showing `year`, or -1 when the list does not hold it.
    int IndexOf(int year) const;

private:
    int topYear_;
};
