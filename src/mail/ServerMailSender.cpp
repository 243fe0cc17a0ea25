#include "mail/ServerMailSender.h"

#include "base/WipedText.h"
#include "mail/ComposedMail.h"
#include "platform/FileOps.h"

#include <cstdio>
#include <utility>

namespace {

// The whole of a regular file of at most `limit` bytes, read from the handle
// that was opened; false for anything else.
bool ReadAttachment(const std::string& path, long long limit, std::string& bytes)
{
    long long size = 0;
    if (!RegularFileSize(path, size) || size > limit)
        return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    char block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && static_cast<long long>(bytes.size()) <= limit)
        bytes.append(block, got);
    const bool whole = !std::ferror(file) && static_cast<long long>(bytes.size()) <= limit;
    std::fclose(file);
    return whole;
}

} // namespace

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
    if (!ReadAttachment(fullPath, kLargestAttachmentBytes, attachment.bytes))
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
