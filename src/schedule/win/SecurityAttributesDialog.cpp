#include "schedule/win/SecurityAttributesDialog.h"

#include "ScheduleIds.h"
#include "schedule/AccountChecks.h"
#include "win/MessageBoxes.h"

#include <vector>

SecurityAttributesDialog::SecurityAttributesDialog() : Dialog(IDD_SECURITY_ATTRIBUTES) {}

JobAccount SecurityAttributesDialog::Ask()
{
    RunModal(nullptr);
    return account_;
}

void SecurityAttributesDialog::OnInitDialog()
{
    UseBoldFont({IDC_ACCOUNT_USER_LABEL, IDC_ACCOUNT_USER, IDC_ACCOUNT_PASSWORD_LABEL, IDC_ACCOUNT_PASSWORD,
                 IDC_ACCOUNT_HINT, IDOK, IDCANCEL});
    SetLabelColour(IDC_ACCOUNT_USER_LABEL, RGB(0, 255, 0));
    SetLabelColour(IDC_ACCOUNT_PASSWORD_LABEL, RGB(255, 255, 0));
    SetLabelColour(IDC_ACCOUNT_HINT, RGB(255, 255, 255));
    SetItemText(IDC_ACCOUNT_USER_LABEL, "Your Login User ID:");
    SetItemText(IDC_ACCOUNT_PASSWORD_LABEL, "Your Login Password:");
    SetItemText(IDC_ACCOUNT_HINT, "Enter Password and click on the Use My Account");

    // The job can only run as the person logged on; the name is not theirs
    // to change.
    std::vector<char> name(32767, '\0');
    DWORD size = static_cast<DWORD>(name.size());
    if (GetUserNameA(name.data(), &size)) {
        SetItemText(IDC_ACCOUNT_USER, name.data());
        EnableItem(IDC_ACCOUNT_USER, false);
    }
}

void SecurityAttributesDialog::OnOK()
{
    const std::string userId = ItemText(IDC_ACCOUNT_USER);
    const std::string password = ItemText(IDC_ACCOUNT_PASSWORD);
    const std::string refusal = CheckAccount(userId, password);
    if (!refusal.empty()) {
        ShowMessage(refusal, MessageKind::Error);
        return;
    }
    account_ = {userId, password};
    End(IDOK);
}

void SecurityAttributesDialog::OnCancel()
{
    if (!AskQuestion(kUseDefaultsQuestion))
        return;
    account_ = {};
    End(IDCANCEL);
}
