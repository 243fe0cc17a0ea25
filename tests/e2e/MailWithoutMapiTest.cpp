#include "driver/Driver.h"

using namespace e2e;

// Run by CTest on its own, with neither the recording library nor Wine's own
// mapi32 loadable (WINEDLLOVERRIDES is read only when a program starts).
TEST(MailWithoutMapi, TheComposerSaysSoWhenItOpens)
{
    PrepareMailRecord();
    DailySession session({"Jane Doe", "Me", 3, 2, 1950}, {2005, 9, 12});
    ASSERT_TRUE(session.Daily());
    EmailSavingFirst(session.ProcessId(), session.Daily(), ReportsDirectory() + "day");
    // No mail program, no settings: Mail Settings first; closed, the
    // composer says why it cannot send.
    ASSERT_TRUE(CloseAndWait(WaitForDialog(session.ProcessId(), "Mail Settings")));
    HWND composer = WaitForDialog(session.ProcessId(), "Email");
    ASSERT_TRUE(composer);
    EXPECT_EQ(AnswerMessage(session.ProcessId()), "Unable to send email. Make sure you use a MAPI client.  ");
    ASSERT_TRUE(CloseAndWait(composer) && !FileExists(kMailRecordPath));
    ASSERT_TRUE(CloseAndWait(session.Daily()));
    EXPECT_TRUE(session.Main().Close());
}
