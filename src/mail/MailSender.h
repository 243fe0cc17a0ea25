#pragma once
#include <string>

// One outgoing message handed to the user's mail client through Simple MAPI,
// or to the user's mail server: created, filled, sent once, destroyed.
// SendMail fills it; the composer and the scheduled run get theirs from the
// same place in mail/win/, tests use a fake.
class MailSender {
public:
    // After Send: what happened in the words of the delivery log ("sent:
    // 250 …", "not sent: sign-in refused: 535 …") and, after a failure, the
    // sentence for the user. Both empty for a mail program, whose result
    // code says all there is.
    struct Report {
        std::string logText;
        std::string message;
    };

    virtual ~MailSender() = default;

    // False when the mail library or one of its entry points is missing:
    // nothing can be sent, and the user is told before filling anything.
    virtual bool HasMailLibrary() const = 0;
    // Each add says whether it was taken; a message missing one of its parts
    // must not go out. A recipient is an e-mail address, handed on as one
    // (never as a name for the mail client to resolve); an empty display
    // name lets the client show the file's own name.
    virtual bool AddRecipient(const std::string& text) = 0;
    virtual bool AddAttachment(const std::string& fullPath, const std::string& displayName) = 0;
    virtual void SetSubject(const std::string& text) = 0;
    virtual void SetOriginatorName(const std::string& text) = 0;
    virtual void SetBody(const std::string& text) = 0;
    // Sends what was added and empties the recipients and attachments, so a
    // filling is sent once. Returns MAPISendMail's result code (0 = sent),
    // or for a mail server 0 or kFailure.
    virtual unsigned long Send() = 0;
    virtual Report LastReport() const { return {}; }
};

// Simple MAPI result codes the program tells apart.
namespace MapiResult {
constexpr unsigned long kSuccess = 0;
constexpr unsigned long kUserAbort = 1;
constexpr unsigned long kFailure = 2;
constexpr unsigned long kLoginFailure = 3;
} // namespace MapiResult
