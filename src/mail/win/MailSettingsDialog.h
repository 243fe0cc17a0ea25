#pragma once
// The Mail Settings dialog: the mail program or the mail server, the
// server's fields and Send Test Mail. The model holds every value and check;
// the dialog copies between it and the controls, and on Save keeps the
// settings in "mail.ini" and a new password in the Credential Manager.
#include "mail/MailSettingsModel.h"
#include "win/Dialog.h"

class MailSettingsDialog : public Dialog {
public:
    explicit MailSettingsDialog(MailSettingsModel& model);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void MethodClicked(MailMethod method);
    void SecurityChanged();
    void SendTestMail();
    void ReadFields();
    // The fields read and checked; false, with the refusal shown, when they
    // cannot be used.
    bool ReadAndCheck();
    void PushValues();
    void ShowPasswordHint();
    void CloseUpOverReason();

    MailSettingsModel& model_;
    bool pushing_ = false;
};

// Opens the dialog on the account's settings, with `reason` over it when it
// opens by itself. True when the user saved.
bool RunMailSettings(HWND owner, const std::string& reason);
