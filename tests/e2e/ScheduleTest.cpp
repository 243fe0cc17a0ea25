// Scheduled delivery through the real program: the Schedule dialogs with the
// job they register in the Task Scheduler, the unattended run the job starts
// on the record they write, mailing through the recording mapi32.dll, and
// deleting the scheduled profile.
#include "driver/Driver.h"
#include "res/MainWindowIds.h"
#include "res/ScheduleIds.h"

#include <algorithm>
#include <cstdio>

using namespace e2e;

namespace {

const char* const kScheduleCaption = "Schedule Daily Analysis Report via Email Delivery";
const TestProfile kJane{"Jane Doe", "Jane Doe", 5, 4, 1990};

std::string TodayIso()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
    return iso;
}

} // namespace

// One start for the suite, beside another account's job, which nothing here
// may touch; the tests follow one schedule from saving to its profile's
// deletion, in this order.
class Schedule : public SharedSession<Schedule, MainWindowSession> {
protected:
    static void SetUpTestSuite()
    {
        RemoveScheduledJobs();
        CreateJob("Daily Analysis Report (S-1-5-21-1-2-3-1001)", "C:\\Program Files\\Oracline\\Oracline.exe",
                  "C:\\Users\\other", "C:\\Users\\other\\task.dtr", 6, 0);
        others_ = ScheduledJobs();
        PrepareMailRecord();
        session_ = new MainWindowSession(DataFilesFor({kJane}));
    }
    void SetUp() override
    {
        ASSERT_EQ(others_.size(), 1u);
        ASSERT_TRUE(session_->Window());
    }

    static inline std::vector<std::string> others_, jobs_;
    const std::string recordPath = DataDirectory() + "task.dtr";
};

// The account's own job, started in the account's own folder. Wine's 2.0
// store reads the definition back without its action, so the 1.0 job holds
// the schedule and no 2.0 task is left to run twice.
TEST_F(Schedule, SavingWritesTheRecordAndRegistersTheAccountsOwnJob)
{
    session_->Press(IDC_SCHEDULE);
    HWND dialog = WaitForDialog(session_->ProcessId(), kScheduleCaption);
    ASSERT_TRUE(dialog);
    SetControlText(dialog, IDC_SCHEDULE_EMAIL, "jane@example.com");
    ComboDriver(dialog, IDC_SCHEDULE_HOUR).ChooseText("13");
    ComboDriver(dialog, IDC_SCHEDULE_MINUTE).ChooseText("30");
    ComboDriver(dialog, IDC_SCHEDULE_TYPE).Choose(1);
    PressButton(dialog, IDOK);
    // The message's words and the record's bytes are the dialog's unit tests.
    EXPECT_NE(AnswerMessage(session_->ProcessId()).find("scheduled successfully"), std::string::npos);
    EXPECT_TRUE(FileExists(recordPath));
    jobs_ = ScheduledJobs();
    const std::string job = AccountJobName() + "|C:\\Program Files\\Oracline\\Oracline.exe|" +
                            DataDirectory().substr(0, DataDirectory().size() - 1) + "|" + recordPath + "|logged on|" +
                            TodayIso() + " type 1 every 1 at 13:30;";
    ASSERT_EQ(jobs_.size(), 2u);
    EXPECT_EQ(TaskServiceJobs(), std::vector<std::string>());
    EXPECT_NE(std::find(jobs_.begin(), jobs_.end(), job), jobs_.end()) << jobs_[0] << "\n" << jobs_[1];
}

// The job's command line as Windows passes it (after the program), with the
// window open. The run's branches are unit-tested, the scheduler's own start
// is FiredJob's: this proves the real exe takes the record the dialog wrote,
// draws the report, mails it from a private file and logs in the account's
// folder.
TEST_F(Schedule, TheJobsRunMailsTheReportFromAPrivateFileAndLogsIt)
{
    ProgramRun run(recordPath);
    ASSERT_TRUE(run.WaitForExit());
    const std::vector<std::string> mails = ReadMailRecord();
    ASSERT_EQ(mails.size(), 1u);
    const std::string logged = DataFile("delivery.log"), line = ", Jane Doe.ini, jane@example.com, full colours, sent\r\n";
    EXPECT_EQ(logged.find(line), std::string("YYYY-MM-DD HH:MM").size()) << logged;
    EXPECT_NE(MailItem(mails[0], "recipient").find("\tjane@example.com\tSMTP:jane@example.com"), std::string::npos) << mails[0];
    // Drawn outside the shared folder, gone once mailed, never in Reports.
    const std::string image = MailItem(mails[0], "attachment");
    ASSERT_NE(image.find("\treport.jpg\t"), std::string::npos) << mails[0];
    const std::string path = image.substr(0, image.find('\t'));
    EXPECT_EQ(path.find(DataDirectory()), std::string::npos) << path;
    EXPECT_FALSE(FileExists(path)) << path;
    EXPECT_FALSE(FileExists(ReportsDirectory() + "report.jpg"));
    EXPECT_TRUE(DecodeImage(AttachmentCopy(1)).Loaded());
}

// The next press shows the schedule, with the time as the system's clock
// format shows 13:30 (not as stored), and that delivery; Change then Close
// leaves the job as it was.
TEST_F(Schedule, TheNextPressShowsTheScheduleAndTheLastDelivery)
{
    session_->Press(IDC_SCHEDULE);
    HWND current = WaitForDialog(session_->ProcessId(), "Currently Scheduled Daily Report");
    ASSERT_TRUE(current);
    EXPECT_EQ(ControlText(current, IDC_CURRENT_PROFILE), "Jane Doe.ini");
    SYSTEMTIME halfPastOne{2000, 1, 0, 1, 13, 30, 0, 0};
    char clock[64] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &halfPastOne, nullptr, clock, sizeof clock);
    EXPECT_EQ(ControlText(current, IDC_CURRENT_TIME), "Deliver daily at: " + std::string(clock));
    const std::string last = ControlText(current, IDC_CURRENT_LAST_DELIVERY);
    EXPECT_EQ(last.rfind("Last delivery: " + TodayIso() + " ", 0), 0u) << last;
    EXPECT_NE(last.find(", Jane Doe.ini, jane@example.com, full colours, sent"), std::string::npos) << last;
    PressButton(current, IDOK);
    ASSERT_TRUE(CloseAndWait(WaitForDialog(session_->ProcessId(), kScheduleCaption)));
    EXPECT_EQ(ScheduledJobs(), jobs_);
}

// Deleting the scheduled profile asks first (what No keeps is the unit
// tests'); Yes ends this account's job and record only.
TEST_F(Schedule, DeletingTheScheduledProfileAsksThenEndsOnlyThisAccountsJob)
{
    session_->Press(IDC_DELETE_PROFILE);
    EXPECT_EQ(AnswerMessage(session_->ProcessId(), IDYES), "This profile is used for daily email delivery.    \n"
              "If you delete it, daily email delivery will end too.    \n\nDo you want to continue?    ");
    session_->Settle();
    EXPECT_EQ(ScheduledJobs(), others_);
    EXPECT_FALSE(FileExists(recordPath));
    EXPECT_FALSE(FileExists(DataDirectory() + "Jane Doe.ini"));
    EXPECT_TRUE(TakeFromRecycleBin(ProfileFileText(kJane)));
    ASSERT_TRUE(session_->Close());
}
