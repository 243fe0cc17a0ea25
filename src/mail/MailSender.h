#pragma once
// One message handed to the user's mail program through Simple MAPI, or to
// the user's mail server, whole: the composer and the scheduled run get their
// sender from the same place in mail/win/, tests use a fake.
#include <string>
#include <vector>

struct OutgoingAttachment {
    std::string path;         // full path, read when the mail goes out
    std::string displayName;  // empty: the file's own name
};

struct OutgoingMail {
    // E-mail addresses, handed on as such (never as names for a mail program
    // to resolve).
    std::vector<std::string> recipients;
    std::string originator;  // empty: the mail program's default
    std::string subject;
    std::string body;
    std::vector<OutgoingAttachment> attachments;
};

enum class SendOutcome {
    sent,
    cancelled,      // by the user, in the mail program
    failed,         // the mail program's or the server's refusal is in the log text
    notFilled,      // a recipient or an attachment could not be taken: nothing went out
    noMailLibrary,  // nothing can be sent from here
};

// What happened to one mail.
struct SendReport {
    SendOutcome outcome = SendOutcome::noMailLibrary;
    // In the words of the delivery log: "sent", "sent: 250 …", "MAPI result 3",
    // "not sent: sign-in refused: 535 …".
    std::string logText;
    // After a failure, the sentence for the user; empty when the sender has
    // none of its own and the caller's general one fits.
    std::string message;
};

class MailSender {
public:
    virtual ~MailSender() = default;
    // Sends the whole mail once, or nothing of it when a part cannot be taken.
    virtual SendReport Send(const OutgoingMail& mail) = 0;
};

// The reports every sender gives alike.
SendReport NoMailLibraryReport();
SendReport NotFilledReport();
