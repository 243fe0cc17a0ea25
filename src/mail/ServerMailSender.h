#pragma once
// The mail sender that hands a message straight to the user's mail server:
// the message assembled as MIME and sent over SMTP with TLS. The platform
// gives it the connection and what only it knows (the local time, random
// tokens).
#include "mail/MailSender.h"
#include "mail/MailSettings.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpSession.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ServerMailTools {
    std::function<std::unique_ptr<SmtpConnection>()> openConnection;
    // The Date header's value for now.
    std::function<std::string()> now;
    // A fresh random token of letters and digits, for the Message-ID and
    // the part boundary.
    std::function<std::string()> token;
    std::string clientName = "localhost";
};

// The largest attachment read: mail providers take about 25 MB, base64
// included.
inline constexpr long long kLargestAttachmentBytes = 18 << 20;

class ServerMailSender final : public MailSender {
public:
    // `password` in UTF-8, as the server is given it.
    ServerMailSender(MailSettings settings, std::string password, ServerMailTools tools);
    ~ServerMailSender() override;
    ServerMailSender(const ServerMailSender&) = delete;
    ServerMailSender& operator=(const ServerMailSender&) = delete;

    bool HasMailLibrary() const override { return true; }
    bool AddRecipient(const std::string& text) override;
    // The file is read at once, so a message never goes out without it.
    bool AddAttachment(const std::string& fullPath, const std::string& displayName) override;
    void SetSubject(const std::string& text) override { subject_ = text; }
    void SetOriginatorName(const std::string& text) override { originatorName_ = text; }
    void SetBody(const std::string& text) override { body_ = text; }
    // The password is wiped once the server had it: a sender sends once.
    unsigned long Send() override;
    Report LastReport() const override { return report_; }

    const SmtpOutcome& Outcome() const { return outcome_; }

private:
    MailSettings settings_;
    std::string password_;
    ServerMailTools tools_;
    std::vector<std::string> recipients_;
    std::vector<MimeAttachment> attachments_;
    std::string subject_;
    std::string originatorName_;
    std::string body_;
    SmtpOutcome outcome_;
    Report report_;
};
