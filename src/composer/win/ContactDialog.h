#pragma once
// The Contact Information dialog (resource 128): one contact's name and
// address, for Add (empty) and Edit (preset).
#include "composer/Contacts.h"
#include "win/Dialog.h"

class ContactDialog : public Dialog {
public:
    explicit ContactDialog(Contact preset = {});
    // After OK: what the user saved.
    const Contact& Result() const { return contact_; }

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    Contact contact_;
};
