#include "mail/ServerMailSender.h"

#include "base/WipedText.h"
#include "mail/ComposedMail.h"
#include "platform/FileOps.h"

#include <utility>

ServerMailSender::ServerMailSender(MailSettings settings, std::string password, ServerMailTools tools)
    : settings_(std::move(settings)), password_(std::move(password)), tools_(std::move(tools))
{
}

ServerMailSender::~ServerMailSender() { WipeText(password_); }

bool ServerMailSender::AddRecipient(const std::string& text)
{
    recipients_.push_back(text);
    return true;
}

bool ServerMailSender::AddAttachment(const std::string& fullPath, const std::string& displayName)
{
    MimeAttachment attachment;
    attachment.name = displayName.empty() ? FileNameOf(fullPath) : displayName;
    // Read once from the handle that was checked: a file swapped in after a
    // check by name is never what goes out.
    if (!ReadRegularFile(fullPath, kLargestAttachmentBytes, attachment.bytes))
        return false;
    attachments_.push_back(std::move(attachment));
    return true;
}

unsigned long ServerMailSender::Send()
{
    MimeMail mail;
    mail.fromName = originatorName_;
    mail.from = settings_.from;
    mail.to = recipients_;
    mail.subject = subject_;
    mail.body = body_;
    mail.attachments = std::move(attachments_);
    mail.date = tools_.now();
    const std::size_t at = settings_.from.rfind('@');
    mail.messageId = "<" + tools_.token() + "@" + settings_.from.substr(at == std::string::npos ? 0 : at + 1) + ">";
    mail.boundary = "=_" + tools_.token();

    const SmtpEnvelope envelope{settings_.from, recipients_, BuildMimeMessage(mail)};
    recipients_.clear();
    attachments_.clear();
    MailSettings account = settings_;
    account.user = settings_.user;
    std::unique_ptr<SmtpConnection> connection = tools_.openConnection();
    outcome_ = connection ? SendThroughServer(*connection, account, password_, tools_.clientName, envelope)
                          : SmtpOutcome{SmtpOutcome::unreachable, "no network", ""};
    WipeText(password_);
    report_ = {SmtpOutcomeText(outcome_), SmtpFailureMessage(outcome_, settings_)};
    return outcome_.kind == SmtpOutcome::sent ? MapiResult::kSuccess : MapiResult::kFailure;
}
