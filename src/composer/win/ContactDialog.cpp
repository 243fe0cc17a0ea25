#include "composer/win/ContactDialog.h"

#include "ContactDialogIds.h"
#include "win/MessageBoxes.h"

#include <utility>

ContactDialog::ContactDialog(Contact preset) : Dialog(IDD_CONTACT), contact_(std::move(preset)) {}

void ContactDialog::OnInitDialog()
{
    UseBoldFont({IDC_CONTACT_NAME_LABEL, IDC_CONTACT_NAME, IDC_CONTACT_EMAIL_LABEL, IDC_CONTACT_EMAIL, IDOK,
                 IDCANCEL});
    SetLabelColour(IDC_CONTACT_NAME_LABEL, RGB(0, 255, 0));
    SetLabelColour(IDC_CONTACT_EMAIL_LABEL, RGB(255, 255, 0));
    LimitItemText(IDC_CONTACT_NAME, static_cast<int>(kContactTextLimit));
    LimitItemText(IDC_CONTACT_EMAIL, static_cast<int>(kContactTextLimit));
    SetItemText(IDC_CONTACT_NAME, contact_.name);
    SetItemText(IDC_CONTACT_EMAIL, contact_.address);
    FocusItem(IDC_CONTACT_NAME);
}

void ContactDialog::OnOK()
{
    contact_.name = ItemText(IDC_CONTACT_NAME);
    contact_.address = ItemText(IDC_CONTACT_EMAIL);
    const std::string refusal = ContactRefusal(contact_.name, contact_.address);
    if (!refusal.empty()) {
        ShowMessage(refusal, MessageKind::Error);
        return;
    }
    End(IDOK);
}

void ContactDialog::OnCancel()
{
    contact_ = {};
    End(IDCANCEL);
}
