#include "mail/MailSender.h"

SendReport NoMailLibraryReport() { return {SendOutcome::noMailLibrary, "no mail library", ""}; }

SendReport NotFilledReport()
{
    return {SendOutcome::notFilled, "not sent: a recipient or the attachment could not be added", ""};
}
