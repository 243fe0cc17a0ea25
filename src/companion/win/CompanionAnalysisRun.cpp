#include "companion/win/CompanionAnalysisRun.h"

#include "companion/CompanionPeople.h"
#include "companion/win/CompanionWindow.h"
#include "companion/win/PrintCompanionResult.h"
#include "profiles/ProfileFile.h"
#include "win/MessageBoxes.h"

void RunCompanionAnalysis(HWND owner, const std::string& dataDirectory, const std::string& firstDescription,
                          const std::string& secondDescription)
{
    const PairRefusal refusal = RefusalOfPair(dataDirectory, firstDescription, secondDescription);
    if (!refusal.message.empty()) {
        ShowMessage(refusal.message, refusal.isError ? MessageKind::Error : MessageKind::Information);
        return;
    }
    CompanionWindow window(LoadCompanionPerson(ProfileFilePath(dataDirectory, firstDescription)),
                           LoadCompanionPerson(ProfileFilePath(dataDirectory, secondDescription)));
    if (window.RunModal(owner) == IDOK)
        PrintCompanionResult(window.Result());
}
