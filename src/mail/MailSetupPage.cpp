#include "mail/MailSetupPage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

std::string MailSetupContent()
{
    return Heading("Mail Settings Help") + BodyRun() +
           Paragraphs({"To send through your mail server, choose \"Send through my mail server\" and enter your "
                       "provider's SMTP server, its port and its security. Your user name is usually your whole "
                       "e-mail address, and the sender is your address too.",
                       "The common providers:"}) +
           ParagraphBreak() +
           Lines({"Gmail: smtp.gmail.com, port 587 with STARTTLS, or port 465 with TLS",
                  "Outlook.com (also Hotmail and Live): smtp-mail.outlook.com, port 587 with STARTTLS",
                  "Yahoo: smtp.mail.yahoo.com, port 465 with TLS, or port 587 with STARTTLS",
                  "iCloud: smtp.mail.me.com, port 587 with STARTTLS",
                  "GMX: mail.gmx.net, port 587 with STARTTLS"}) +
           ParagraphBreak() +
           Paragraphs({"App passwords: providers with two-step sign-in (such as Gmail, Yahoo or iCloud) refuse your "
                       "normal password here. Create an app password in your account's security settings and enter "
                       "that instead. Some providers also ask you to allow sign-in by other mail programs (SMTP) in "
                       "the settings of your account first.",
                       "Press Send Test Mail: when the server's answer says the mail was taken, press Save. If the "
                       "server refuses, its answer names the reason."}) +
           RunEnd();
}

std::string WriteMailSetupPage(PageSink& sink)
{
    PageSpec page;
    page.redirectName = "mail_e.htm";
    page.contentName = "mail_r.htm";
    page.body = PageBody::Centred;
    page.content = MailSetupContent();
    page.printRow = PrintRow::None;
    page.closing = PageClosing::PrintLinkBelow;
    return WritePagePair(sink, page);
}
