#pragma once
// The Daily Analysis window (resource 132): one profile's reading set for one
// day, drawn straight onto the dialog, and the hub of what can be done with
// it: print, save, e-mail, explain, the hourly analyses, the superstition of
// the day, the Monthly Outlook, and a step to the day before or after the
// opening date (or to a day chosen in the outlook).
#include "daily/DayNavigation.h"
#include "daily/ReportDrawing.h"
#include "engine/DailyReadingSet.h"
#include "win/Accessibility.h"
#include "win/Dialog.h"

#include <memory>
#include <string>
#include <vector>

class DailyAnalysisWindow : public Dialog {
public:
    // `date` is both the opening and the shown date.
    DailyAnalysisWindow(const std::string& profilePath, const CivilDate& date);


protected:
    void OnInitDialog() override;
    void OnOK() override { Print(); }

private:
    void Compute();
    void ApplyButtons();
    void RefreshChart();
    ReportInput Report() const;
    void Paint();

    void Print();
    void Save();
    void Email();
    void Explain();
    void ShowSuperstition();
    void OpenHourly(int kind);
    void OpenMonthly();
    void PrevDay();
    void NextDay();
    void ShowStep(const char* refusal);
    void Now();
    void PressLetterButton(int button);

    std::string profilePath_;
    std::string chartFontName_;
    DayNavigation navigation_;
    DailyReadingSet set_;
    std::string savedReportPath_;
    bool paintReady_ = false;
    int windowHeight_ = 0;
    SpokenArea spokenReport_;
};
