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

    // Each attachment is read whole before anything is sent, so a mail never
    // goes out without one. The password is wiped once the server had it: a
    // sender sends once.
    SendReport Send(const OutgoingMail& mail) override;

    const SmtpOutcome& Outcome() const { return outcome_; }

private:
    MailSettings settings_;
    std::string password_;
    ServerMailTools tools_;
    SmtpOutcome outcome_;
};
