#pragma once
// The Monthly Outlook window: the coming days of one profile as five lines,
// opened from the Daily Analysis window. A day chosen here (Enter or a
// double click) is where the Daily Analysis window goes next.
#include "month/MonthlyChart.h"
#include "win/Accessibility.h"
#include "win/Dialog.h"

#include <memory>
#include <string>
#include <vector>

class MonthlyOutlookWindow : public Dialog {
public:
    explicit MonthlyOutlookWindow(const MonthlyChart& chart);
    ~MonthlyOutlookWindow() override;

    // The selected day; the window's result is IDOK when it was chosen.
    const CivilDate& SelectedDate() const;

protected:
    void OnInitDialog() override;
    void OnOK() override { Choose(); }

private:
    void Paint();
    void Select(int index);
    void Choose();
    void Save();
    void Print();

    MonthlyChart chart_;
    SpokenArea spokenDay_;
};

// Runs the outlook of the profile from `shownDate` modally over the Daily
// Analysis window, captioned after that window's caption. True, with the
// day in `chosen`, when the user chose a day to go to.
bool OpenMonthlyOutlook(HWND owner, const std::string& profilePath, const CivilDate& shownDate,
                        const std::string& dailyCaption, CivilDate& chosen);
