#include "schedule/EmailHelpPage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

std::string EmailHelpContent()
{
    // A body run without its paragraph break: the closing follows at once.
    return Heading("E-mail Help - Please Read!") + BodyRun() +
           Paragraphs({"This applies to Outlook 2003, Outlook 2002 (SP1, SP2 and SP3), Outlook 2000 SP1 + SR1 and "
                       "Outlook 2000 SP2. These versions ask you to approve every message that another program sends "
                       "through them. When Oracline delivers your Daily Analysis at the scheduled time, nobody is "
                       "there to click the approval, so the report waits and is never sent.",
                       "Send the scheduled reports through Outlook Express instead. In Outlook Express, open "
                       "'Tools', 'Options', the 'Security' tab, and turn off 'Warn me when other applications try to "
                       "send mail as me'.",
                       "Outlook Express must also be your default mail program. To make it the default, open Outlook "
                       "Express. On the 'Tools' menu, click 'Options'. On the 'General' tab, click 'Make Default' "
                       "next to 'This application is the default mail handler'. Click OK.",
                       "The same holds for the mail programs of today: Oracline hands its mail to the default mail "
                       "program through Simple MAPI. Choose a desktop mail program that supports Simple MAPI (for "
                       "example Thunderbird or classic Outlook) as the default mail program in the Windows settings "
                       "('Default apps', the mail entry), and let it send mail for other programs without asking; "
                       "classic Outlook keeps this choice under 'Trust Center', 'Programmatic Access'. Web mail in a "
                       "browser and the new Outlook app cannot send for other programs.",
                       "You can still use any other mail program for your everyday mail: only the default mail "
                       "program sends the scheduled reports. At the scheduled time the computer has to be switched "
                       "on and online, and the default mail program has to be set up with your mail account, or the "
                       "report cannot be sent. Whether each delivery went out is written to the file delivery.log in "
                       "the Oracline folder, and the last entry is shown when you press Schedule again."}) +
           RunEnd();
}

std::string WriteEmailHelpPage(PageSink& sink)
{
    PageSpec page;
    page.redirectName = "email_e.htm";
    page.contentName = "email_r.htm";
    page.body = PageBody::Centred;
    page.content = EmailHelpContent();
    page.printRow = PrintRow::None;
    page.closing = PageClosing::PrintLinkBelow;
    return WritePagePair(sink, page);
}
