#include "daily/win/DailyAnalysisRun.h"

#include "daily/win/DailyAnalysisWindow.h"

void RunDailyAnalysis(HWND owner, const std::string& profilePath, const CivilDate& date)
{
    DailyAnalysisWindow window(profilePath, date);
    window.RunModal(owner);
}
