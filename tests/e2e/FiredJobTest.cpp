// The daily job firing on its own: Oracline installed with its setup,
// scheduled through the real dialogs a minute or two ahead with the mail
// server of smtp/run-with-server.sh, then left alone. Only Wine's Task
// Scheduler starts the run: this proves that the job the program registers
// is one the scheduler runs, that the run recognises the command line the
// scheduler gives it, and that the day's mail goes out once (that a second
// run the same day sends nothing is the delivery's unit test). It waits for
// a clock minute, so it is a test of its own.
#include "driver/Driver.h"
#include "res/MailSettingsIds.h"
#include "res/MainWindowIds.h"
#include "res/ScheduleIds.h"

#include <cstdio>

using namespace e2e;

namespace {

// Runs the setup beside the test programs silently, as an administrator
// installs Oracline; true when it ended with success.
bool InstallWithSetup()
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(BesideTestExe("Oracline-*-setup.exe").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    ProgramRun setup(BesideTestExe(found.cFileName), "\"" + BesideTestExe(found.cFileName) + "\" /S");
    return setup.WaitForExit(120000) && FileExists(ProgramDirectory() + "Oracline.exe");
}

} // namespace

TEST(FiredJob, TheSchedulerStartsTheRunWhichMailsTheDayOnce)
{
    int startTls = 0;
    ASSERT_EQ(std::sscanf(ReadFileBytes(kServerFolder + "ports.txt").c_str(), "starttls %d", &startTls), 1)
        << "run through tests/e2e/smtp/run-with-server.sh";
    ASSERT_TRUE(TrustTestAuthority());
    RegisterTestMailProgram(false);
    // No other job within a minute of this one: Wine would start it early.
    RemoveScheduledJobs();
    const int mailsBefore = ReceivedMailCount();
    const TestProfile jane{"Jane Doe", "Jane Doe", 5, 4, 1990};
    // The session starts from empty folders, the program folder's included,
    // so the setup comes after it.
    MainWindowSession session(DataFilesFor({jane}));
    ASSERT_TRUE(session.Window() && InstallWithSetup());

    // No mail program: Schedule asks for the mail server first.
    session.Press(IDC_SCHEDULE);
    HWND settings = WaitForDialog(session.ProcessId(), "Mail Settings");
    ASSERT_TRUE(settings);
    SetControlTexts(settings, {{IDC_MAIL_SERVER, "localhost"}, {IDC_MAIL_PORT, std::to_string(startTls)},
                               {IDC_MAIL_USER, "tester"}, {IDC_MAIL_PASSWORD, MailPassword()}, {IDC_MAIL_FROM, "me@example.com"}});
    PressButton(settings, IDOK);
    ASSERT_TRUE(WaitUntilGone(settings));

    HWND dialog = WaitForDialog(session.ProcessId(), "Schedule Daily Analysis Report via Email Delivery");
    ASSERT_TRUE(dialog);
    // A minute that leaves the program a minute or more to register the job
    // and close, however busy the machine; midnight cannot be chosen.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const int ahead = 2, due = now.wHour * 60 + now.wMinute + ahead;
    if (due / 60 < 1 || due / 60 > 23) {
        session.Close();
        GTEST_SKIP() << "the next minutes are past midnight, which the Schedule dialog does not offer";
    }
    char hour[4], minute[4], stamp[32];
    std::snprintf(hour, sizeof hour, "%02d", due / 60);
    std::snprintf(minute, sizeof minute, "%02d", due % 60);
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %s:%s", now.wYear, now.wMonth, now.wDay, hour, minute);
    SetControlText(dialog, IDC_SCHEDULE_EMAIL, "jane@example.com");
    ComboDriver(dialog, IDC_SCHEDULE_HOUR).ChooseText(hour);
    ComboDriver(dialog, IDC_SCHEDULE_MINUTE).ChooseText(minute);
    PressButton(dialog, IDOK);
    EXPECT_NE(AnswerMessage(session.ProcessId()).find("scheduled successfully"), std::string::npos);
    ASSERT_TRUE(session.Close());
    std::printf("scheduled for %s\n", stamp);

    // Nothing is started from here on: the scheduler alone runs the job,
    // while this process keeps the Wine session alive.
    const std::string log = DataDirectory() + "delivery.log";
    ASSERT_TRUE(WaitUntil((ahead + 1) * 60000 + 30000, [&] { return ReceivedMailCount() > mailsBefore && FileExists(log); }))
        << "no mail and no log line by a minute after " << stamp;
    // The run ends by itself; a little more time shows no second one.
    Sleep(5000);
    const std::string logged = DataFile("delivery.log");
    EXPECT_EQ(logged.rfind(std::string(stamp) + ", Jane Doe.ini, jane@example.com, plain text, sent: 250 ", 0), 0u) << logged;
    EXPECT_EQ(logged.find('\n'), logged.size() - 1) << logged;
    EXPECT_EQ(ReceivedMailCount(), mailsBefore + 1);
    // The unattended run shows no window of its own.
    EXPECT_FALSE(FindWindowA(nullptr, kMainWindowCaption) || FindWindowA(nullptr, "Quick Tip"));
    std::printf("logged %s\n", logged.substr(0, 16).c_str());
    RemoveScheduledJobs();
}
