#include "companion/win/CompanionAnalysisRun.h"

#include "companion/CompanionPeople.h"
#include "companion/win/CompanionWindow.h"
#include "companion/win/PrintCompanionResult.h"

void RunCompanionAnalysis(HWND owner, const std::string& firstProfilePath, const std::string& secondProfilePath)
{
    CompanionWindow window(LoadCompanionPerson(firstProfilePath), LoadCompanionPerson(secondProfilePath));
    if (window.RunModal(owner) == IDOK)
        PrintCompanionResult(window.Result());
}
