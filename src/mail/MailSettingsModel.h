#pragma once
// What the Mail Settings dialog holds and decides, apart from its controls:
// the choice between the mail program and the mail server, the server's
// fields, the port that follows the security choice, and the checks before
// the settings are kept or a test mail goes out. The dialog copies values
// between its controls and this model.
#include "mail/MailSettings.h"
#include "mail/SmtpSession.h"

#include <string>
#include <vector>

inline constexpr std::size_t kMailFieldLimit = 100;

// "STARTTLS", "TLS", in the order of MailSecurity.
std::vector<std::string> SecurityEntries();

// Why the dialog opened by itself before the composer or the Schedule
// dialog.
inline constexpr const char* kNoMailProgramReason =
    "No mail program on this computer takes mail from Oracline: enter your mail server to send through it.";

inline constexpr const char* kMailSettingsNotSavedMessage = "Unable to save your mail settings.    ";
inline constexpr const char* kMailPasswordNotStoredMessage =
    "Unable to keep your mail password in the Windows Credential Manager.    ";

inline constexpr const char* kTestMailSubject = "Oracline test mail";
inline constexpr const char* kTestMailBody = "This test mail shows that Oracline can send through your mail server.";

// What Send Test Mail says: the server's own answer, whether the mail went
// out or not.
std::string TestMailAnswer(const SmtpOutcome& outcome, const MailSettings& settings);

// The field a refusal is about, so the dialog can put the user back in it.
enum class MailField { none, server, port, user, password, from };

struct MailRefusal {
    MailField field = MailField::none;
    std::string text;  // empty when nothing is refused
};

class MailSettingsModel {
public:
    // `storedBinding`: the MailPasswordBinding the account's stored password
    // was kept for, empty when none is stored. An empty password field keeps
    // that password only while the server, port and user name are its own.
    MailSettingsModel(const MailSettings& settings, std::string storedBinding);

    void MethodChosen(MailMethod method);
    // The port follows the security while it is the other choice's usual
    // port; a port the user typed stays.
    void SecuritySelected(int index);

    // The first refusal in the order of the fields, or none. The mail
    // program needs nothing; the server needs its name, a port, a sender
    // address, and a password for a user name.
    MailRefusal CheckForSave() const;
    // What "mail.ini" gets.
    MailSettings Settings() const;
    // True when the password field holds a new password to keep.
    bool HasNewPassword() const { return !password.empty(); }
    // True when the stored password belongs to the fields' server, port and
    // user name, so that an empty password field may stand for it.
    bool StoredPasswordFits() const;
    // Under the password field: whether the stored one is used.
    std::string PasswordHint() const;

    // Fields, as the controls show them.
    MailMethod method = MailMethod::mapi;
    std::string server;
    std::string portText;
    int securityIndex = 0;
    std::string user;
    std::string password;
    std::string from;
    // The sentence over the fields; empty unless the dialog opened by itself.
    std::string reason;

    bool ServerFieldsEnabled() const { return method == MailMethod::smtp; }

private:
    std::string storedBinding_;
};
