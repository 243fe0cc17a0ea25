#include "mail/ComposedMail.h"

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

bool SendSucceeded(unsigned long mapiResult)
{
    return mapiResult == MapiResult::kSuccess || mapiResult == MapiResult::kUserAbort;
}

std::string SendComposedMail(MailSender& sender, const EmailComposer& composer)
{
    if (sender.TakeError() != MailSender::kNoError)
        return kNoMapiClientMessage;
    for (const std::string& recipient : SplitRecipients(composer.toText))
        sender.AddRecipient(recipient);
    sender.SetSubject(composer.subject);
    if (!composer.attachmentPath.empty())
        sender.AddAttachment(composer.attachmentPath);
    sender.SetBody(MailBody(composer.message));
    // A recipient or attachment that could not be added would go out as a
    // different mail than the one composed.
    if (sender.TakeError() != MailSender::kNoError)
        return kNoMapiClientMessage;
    return SendSucceeded(sender.Send(0)) ? "" : kNoMapiClientMessage;
}

void RemoveResizedCopy(const EmailComposer& composer)
{
    if (composer.resized)
        RemoveFileForced(composer.attachmentPath);
}
