#include "mail/MapiResult.h"

SendReport MapiSendReport(unsigned long code)
{
    if (code == MapiResult::kSuccess)
        return {SendOutcome::sent, "sent", ""};
    // A failed logon sent nothing: a failure like any other, not the user's choice.
    const SendOutcome outcome = code == MapiResult::kUserAbort ? SendOutcome::cancelled : SendOutcome::failed;
    return {outcome, "MAPI result " + std::to_string(code), ""};
}
