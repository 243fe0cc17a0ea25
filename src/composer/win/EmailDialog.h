#pragma once
// The e-mail composer (resource 127): recipients, subject, message, the
// attached report and the contact list. The model holds every value and
// decision; the dialog copies between it and the controls.
#include "composer/EmailComposer.h"
#include "win/Dialog.h"

#include <string>

class EmailDialog : public Dialog {
public:
    // `contactsPath` is read when the dialog opens and written when it closes
    // after a change. A non-empty `openingMessage` is shown over the dialog
    // as soon as it is up.
    EmailDialog(EmailComposer& composer, std::string contactsPath, std::string openingMessage);

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void AddContact();
    void EditContact();
    void DeleteContact();
    void ListClicked();
    void AddToRecipients();
    void Clear();
    void ResizeReportClicked();
    void Resize();
    // Saves the contacts and empties the list, as every way out does.
    void Close(INT_PTR result);

    void ReadFields();
    void PushValues();
    void PushContacts();

    EmailComposer& composer_;
    std::string contactsPath_;
    std::string openingMessage_;
};
