#pragma once
// The one way a message is filled and sent, for the composer and the
// unattended delivery alike.
#include "mail/MailSender.h"

#include <string>
#include <vector>

struct OutgoingAttachment {
    std::string path;
    std::string displayName;  // empty: the file's own name
};

struct OutgoingMail {
    std::vector<std::string> recipients;
    std::string originator;  // empty: the mail client's default
    std::string subject;
    std::string body;
    std::vector<OutgoingAttachment> attachments;
};

struct SendResult {
    enum Outcome {
        sent,
        refused,        // the mail client answered `code`
        notFilled,      // a recipient or an attachment could not be added
        noMailLibrary,
    };
    Outcome outcome = noMailLibrary;
    unsigned long code = 0;
    MailSender::Report report;  // a mail server's own account of the send
};

// Fills the sender with the whole message and sends it once; sends nothing
// when any part could not be added.
SendResult SendMail(MailSender& sender, const OutgoingMail& mail);

// The result as the delivery log states it: the mail server's account of it
// ("sent: 250 …", "not sent: sign-in refused: 535 …"), else "sent", "MAPI result 3",
// "not sent: a recipient or the attachment could not be added",
// "no mail library".
std::string SendResultText(const SendResult& result);
