#include "composer/ComposedMail.h"

#include "platform/FileOps.h"

std::vector<std::string> SplitRecipients(const std::string& toText)
{
    std::vector<std::string> recipients;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = toText.find(';', start);
        const std::string part = toText.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::size_t first = part.find_first_not_of(' ');
        if (first != std::string::npos)
            recipients.push_back(part.substr(first, part.find_last_not_of(' ') - first + 1));
        if (end == std::string::npos)
            return recipients;
        start = end + 1;
    }
}

std::string MailBody(const std::string& message) { return message.empty() ? kEmptyMessageBody : message; }

std::string SendComposedMail(MailSender& sender, const EmailComposer& composer)
{
    OutgoingMail mail;
    mail.recipients = SplitRecipients(composer.toText);
    mail.subject = composer.subject;
    mail.body = MailBody(composer.message);
    if (!composer.attachmentPath.empty())
        mail.attachments.push_back({composer.attachmentPath, composer.fileName});
    const SendReport report = sender.Send(mail);
    // Cancelled by the user in the mail client is the user's choice, not a
    // failure to report.
    if (report.outcome == SendOutcome::sent || report.outcome == SendOutcome::cancelled)
        return "";
    return report.message.empty() ? kNoMapiClientMessage : report.message;
}

void RemoveResizedCopy(const EmailComposer& composer)
{
    if (composer.resized)
        RemoveFileForced(composer.attachmentPath);
}
