#include "mail/ServerMailSender.h"

#include "base/PathText.h"
#include "base/WipedText.h"
#include "platform/FileOps.h"

#include <utility>

ServerMailSender::ServerMailSender(MailSettings settings, std::string password, ServerMailTools tools)
    : settings_(std::move(settings)), password_(std::move(password)), tools_(std::move(tools))
{
}

ServerMailSender::~ServerMailSender() { WipeText(password_); }

SendReport ServerMailSender::Send(const OutgoingMail& outgoing)
{
    MimeMail mail;
    for (const OutgoingAttachment& file : outgoing.attachments) {
        MimeAttachment attachment;
        attachment.name = file.displayName.empty() ? FileNameOf(file.path, PathSeparators::backslash) : file.displayName;
        // Read once from the handle that was checked: a file swapped in after a
        // check by name is never what goes out.
        if (!ReadRegularFile(file.path, kLargestAttachmentBytes, attachment.bytes))
            return NotFilledReport();
        mail.attachments.push_back(std::move(attachment));
    }
    mail.fromName = outgoing.originator;
    mail.from = settings_.from;
    mail.to = outgoing.recipients;
    mail.subject = outgoing.subject;
    mail.body = outgoing.body;
    mail.date = tools_.now();
    const std::size_t at = settings_.from.rfind('@');
    mail.messageId = "<" + tools_.token() + "@" + settings_.from.substr(at == std::string::npos ? 0 : at + 1) + ">";
    mail.boundary = "=_" + tools_.token();

    const SmtpEnvelope envelope{settings_.from, outgoing.recipients, BuildMimeMessage(mail)};
    MailSettings account = settings_;
    account.user = settings_.user;
    std::unique_ptr<SmtpConnection> connection = tools_.openConnection();
    outcome_ = connection ? SendThroughServer(*connection, account, password_, tools_.clientName, envelope)
                          : SmtpOutcome{SmtpOutcome::unreachable, "no network", ""};
    WipeText(password_);
    return {outcome_.kind == SmtpOutcome::sent ? SendOutcome::sent : SendOutcome::failed, SmtpOutcomeText(outcome_), SmtpFailureMessage(outcome_, settings_)};
}
