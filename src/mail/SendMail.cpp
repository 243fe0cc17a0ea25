#include "mail/SendMail.h"

SendResult SendMail(MailSender& sender, const OutgoingMail& mail)
{
    if (!sender.HasMailLibrary())
        return {SendResult::noMailLibrary, 0, {}};
    bool filled = true;
    for (const std::string& recipient : mail.recipients)
        filled = sender.AddRecipient(recipient) && filled;
    for (const OutgoingAttachment& attachment : mail.attachments)
        filled = sender.AddAttachment(attachment.path, attachment.displayName) && filled;
    if (!filled)
        return {SendResult::notFilled, 0, {}};
    if (!mail.originator.empty())
        sender.SetOriginatorName(mail.originator);
    sender.SetSubject(mail.subject);
    sender.SetBody(mail.body);
    const unsigned long code = sender.Send();
    return {code == MapiResult::kSuccess ? SendResult::sent : SendResult::refused, code, sender.LastReport()};
}

std::string SendResultText(const SendResult& result)
{
    if (!result.report.logText.empty())
        return result.report.logText;
    switch (result.outcome) {
    case SendResult::sent: return "sent";
    case SendResult::refused: return "MAPI result " + std::to_string(result.code);
    case SendResult::notFilled: return "not sent: a recipient or the attachment could not be added";
    case SendResult::noMailLibrary: break;
    }
    return "no mail library";
}
