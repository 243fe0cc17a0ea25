#pragma once
#include <optional>
#include <string>

// One outgoing message handed to the user's mail client through Simple MAPI:
// created, filled, sent once, destroyed. The composer and the unattended
// delivery fill it; the Win32 implementation lives in mail/win/, tests use a
// fake.
class MailSender {
public:
    // What create and the add operations leave behind; TakeError reads and
    // resets it.
    enum Error {
        kNoError = 0,
        kNoMailLibrary = 1,       // "mapi32.dll" cannot be loaded
        kMissingEntryPoint = 2,   // MAPISendMail or MAPILogon is missing
        kNoRecipientMemory = 3,
        kNoAttachmentMemory = 5,
    };

    virtual ~MailSender() = default;

    virtual int TakeError() = 0;
    // The text is the recipient's name, unchanged; the mail client resolves it.
    virtual bool AddRecipient(const std::string& text) = 0;
    virtual void SetSubject(const std::string& text) = 0;
    virtual bool AddAttachment(const std::string& fullPath,
                               const std::optional<std::string>& displayName = std::nullopt) = 0;
    virtual void SetOriginatorName(const std::string& text) = 0;
    virtual void SetBody(const std::string& text) = 0;
    // Sends what was added and empties the recipients and attachments, so a
    // filling is sent once. Returns MAPISendMail's result code (0 = sent).
    virtual unsigned long Send(unsigned long extraFlags) = 0;
};

// Simple MAPI result codes the program tells apart.
namespace MapiResult {
constexpr unsigned long kSuccess = 0;
constexpr unsigned long kUserAbort = 1;
constexpr unsigned long kLoginFailure = 3;
} // namespace MapiResult
