// Scheduled delivery through the real program: the Schedule dialogs with the
// job they register in the Task Scheduler, deleting the scheduled profile,
// the account dialog of Windows XP, and the unattended run the job starts,
// mailing through the recording mapi32.dll.
#include "driver/DailyDriver.h"
#include "driver/MailRecord.h"
#include "driver/ScheduledJob.h"
#include "res/MainWindowIds.h"
#include "res/ScheduleIds.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const char* const kScheduleCaption = "Schedule Daily Analysis Report via Email Delivery";
const char* const kRecordPath = "C:\\Program Files\\Oracline\\task.dtr";
const TestProfile kJane{"Jane Doe", "Jane Doe", 5, 4, 1990};
const TestProfile kJohn{"John Smith", "Work", 11, 30, 1965, true};

SYSTEMTIME Today()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

// Opens the Schedule dialog from the main window, fills it and presses Save;
// the box Save brings.
MessageBoxSeen ScheduleAt(MainWindowSession& session, const std::string& hour, const std::string& minute, int type)
{
    session.Press(IDC_SCHEDULE);
    HWND dialog = WaitForDialog(session.ProcessId(), kScheduleCaption);
    if (!dialog)
        return {};
    SetControlText(dialog, IDC_SCHEDULE_EMAIL, "jane@example.com");
    ComboDriver(dialog, IDC_SCHEDULE_HOUR).ChooseText(hour);
    ComboDriver(dialog, IDC_SCHEDULE_MINUTE).ChooseText(minute);
    ComboDriver(dialog, IDC_SCHEDULE_TYPE).Choose(type);
    PressButton(dialog, IDOK);
    return WaitForMessageBox(session.ProcessId());
}

} // namespace

TEST(Schedule, SaveShowChangeCloseAndDeleteTheScheduledProfile)
{
    DeleteScheduledJob();
    std::map<std::string, std::string> files = DataFilesFor({kJane, kJohn});
    files["delivery.log"] = "2026-01-02 07:05, Jane Doe.ini, jane@example.com, plain text, sent\r\n";
    MainWindowSession session(files);
    ASSERT_TRUE(session.Window());

    MessageBoxSeen saved = ScheduleAt(session, "13", "30", 1);
    EXPECT_EQ(saved.text, "Daily Analysis Report was scheduled successfully.     \nProfile: Jane Doe.ini    \n"
                          "Email To: jane@example.com     \nDeliver report in full colors.     ");
    ASSERT_TRUE(AnswerMessageBox(saved, IDOK));
    const std::string record = "Profile:" + DataDirectory() + "Jane Doe.ini\r\nEmail:jane@example.com\r\n"
                               "Time:13:30PM\r\nType:1\r\n";
    EXPECT_EQ(DataFile("task.dtr"), record);

    const ScheduledJob job = ReadScheduledJob();
    ASSERT_TRUE(job.exists);
    EXPECT_EQ(job.application, "C:\\Program Files\\Oracline\\Oracline.exe");
    EXPECT_EQ(job.workingDirectory, "C:\\Program Files\\Oracline");
    EXPECT_EQ(job.parameters, kRecordPath);
    ASSERT_EQ(job.triggerCount, 1);
    const SYSTEMTIME today = Today();
    EXPECT_EQ(job.trigger.TriggerType, TASK_TIME_TRIGGER_DAILY);
    EXPECT_EQ(job.trigger.Type.Daily.DaysInterval, 1);
    EXPECT_EQ(job.trigger.wStartHour * 100 + job.trigger.wStartMinute, 1330);
    EXPECT_EQ(job.trigger.wBeginYear * 10000 + job.trigger.wBeginMonth * 100 + job.trigger.wBeginDay,
              today.wYear * 10000 + today.wMonth * 100 + today.wDay);

    // The next press shows the schedule; Change then Close keeps it whole.
    session.Press(IDC_SCHEDULE);
    HWND current = WaitForDialog(session.ProcessId(), "Currently Scheduled Daily Report");
    ASSERT_TRUE(current);
    EXPECT_EQ(ControlText(current, IDC_CURRENT_PROFILE), "Jane Doe.ini");
    EXPECT_EQ(ControlText(current, IDC_CURRENT_EMAIL), "jane@example.com");
    EXPECT_EQ(ControlText(current, IDC_CURRENT_TIME), "Deliver daily at: 13:30PM");
    EXPECT_EQ(ControlText(current, IDC_CURRENT_TYPE), "Deliver report in full colors");
    EXPECT_EQ(ControlText(current, IDC_CURRENT_LAST_DELIVERY),
              "Last delivery: 2026-01-02 07:05, Jane Doe.ini, jane@example.com, plain text, sent");
    PressButton(current, IDOK);
    HWND schedule = WaitForDialog(session.ProcessId(), kScheduleCaption);
    ASSERT_TRUE(schedule);
    CloseDialog(schedule);
    ASSERT_TRUE(WaitUntilGone(schedule));
    EXPECT_TRUE(ReadScheduledJob().exists);
    EXPECT_EQ(DataFile("task.dtr"), record);

    // Deleting the scheduled profile asks first; No keeps everything.
    for (int answer : {IDNO, IDYES}) {
        session.Press(IDC_DELETE_PROFILE);
        MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
        EXPECT_TRUE(question.hasYesNo);
        EXPECT_EQ(question.text, "This profile is used for daily email delivery.    \nIf you delete it, daily email "
                                 "delivery will end too.    \n\nDo you want to continue?    ");
        ASSERT_TRUE(AnswerMessageBox(question, answer));
        session.Settle();
        const bool kept = answer == IDNO;
        EXPECT_EQ(ReadScheduledJob().exists, kept);
        EXPECT_EQ(FileExists(DataDirectory() + "task.dtr"), kept);
        EXPECT_EQ(FileExists(DataDirectory() + "Jane Doe.ini"), kept);
    }
    // Another profile goes without a question.
    session.Press(IDC_DELETE_PROFILE);
    EXPECT_FALSE(WaitForMessageBox(session.ProcessId(), 1000));
    EXPECT_TRUE(WaitUntil(kWaitMs, [] { return !FileExists(DataDirectory() + "Work.ini"); }));
    ASSERT_TRUE(session.Close());
}

TEST(Schedule, WindowsXpAsksForTheAccount)
{
    DeleteScheduledJob();
    ReportedWindowsVersion xp("winxp");
    MainWindowSession session(DataFilesFor({kJane}));
    ASSERT_TRUE(session.Window());
    session.Press(IDC_SCHEDULE);
    HWND dialog = WaitForDialog(session.ProcessId(), kScheduleCaption);
    ASSERT_TRUE(dialog);
    SetControlText(dialog, IDC_SCHEDULE_EMAIL, "jane@example.com");
    PressButton(dialog, IDOK);

    HWND account = WaitForDialog(session.ProcessId(), "Set Security Attributes");
    ASSERT_TRUE(account);
    EXPECT_FALSE(ControlText(account, IDC_ACCOUNT_USER).empty());
    EXPECT_FALSE(ControlEnabled(account, IDC_ACCOUNT_USER));
    PressButton(account, IDOK);
    MessageBoxSeen refusal = WaitForMessageBox(session.ProcessId());
    EXPECT_EQ(refusal.text, "Please enter the Password you use to login to your PC.     ");
    ASSERT_TRUE(AnswerMessageBox(refusal, IDOK));
    for (int answer : {IDNO, IDYES}) {
        PressButton(account, IDCANCEL);
        MessageBoxSeen question = WaitForMessageBox(session.ProcessId());
        EXPECT_TRUE(question.hasYesNo);
        ASSERT_TRUE(AnswerMessageBox(question, answer));
    }
    ASSERT_TRUE(WaitUntilGone(account));
    // Wine may refuse the default account; either way the job gets its
    // trigger and the schedule is confirmed.
    MessageBoxSeen box = WaitForMessageBox(session.ProcessId());
    if (box.text.find("Unable to set security attributes.") == 0) {
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        box = WaitForMessageBox(session.ProcessId());
    }
    EXPECT_EQ(box.text.find("Daily Analysis Report was scheduled successfully."), 0u) << box.text;
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(ReadScheduledJob().triggerCount, 1);
    ASSERT_TRUE(session.Close());
    DeleteScheduledJob();
}

TEST(Schedule, UnattendedRunMailsTodaysReport)
{
    const SYSTEMTIME today = Today();
    const std::string iso = IsoDate(today.wYear, today.wMonth, today.wDay);
    const std::string profilePath = DataDirectory() + "Jane Doe.ini";
    struct Case {
        const char* type;
        unsigned long mapiResult;
        bool image;
        const char* logged;
    };
    const Case cases[] = {
        {"1", 0, true, "Jane Doe.ini, jane@example.com, full colours, sent"},
        {"0", 0, false, "Jane Doe.ini, jane@example.com, plain text, sent"},
        {"7", 3, false, "Jane Doe.ini, jane@example.com, plain text, MAPI result 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        std::map<std::string, std::string> files = DataFilesFor({kJane});
        const std::string record = "Profile:" + profilePath + "\r\nEmail:jane@example.com\r\nTime:7:5AM\r\nType:" +
                                   c.type + "\r\n";
        files["task.dtr"] = record;
        PrepareMailRecord(c.mapiResult);
        // Exactly as the Task Scheduler passes it: unquoted.
        MainWindowSession session(files, kRecordPath, false);
        ASSERT_TRUE(session.Run().WaitForExit());
        EXPECT_TRUE(DialogsOf(session.ProcessId()).empty());
        EXPECT_EQ(DataFile("task.dtr"), record);

        const std::vector<SentMail> mails = ReadMailRecord();
        ASSERT_EQ(mails.size(), 1u);
        const SentMail& mail = mails[0];
        EXPECT_EQ(mail.flags, 1u);  // a logon may be asked for, never a compose window
        EXPECT_EQ(mail.subject, "Daily Report");
        EXPECT_NE(mail.originator.find("Oracline"), std::string::npos) << mail.originator;
        ASSERT_EQ(mail.recipients.size(), 1u);
        EXPECT_EQ(mail.recipients[0].recipientClass, 1);  // MAPI_TO
        EXPECT_EQ(mail.recipients[0].name, "jane@example.com");

        const std::string log = DataFile("delivery.log");
        EXPECT_EQ(log.substr(0, 11), iso + " ");
        EXPECT_NE(log.find(std::string(c.logged) + "\r\n"), std::string::npos) << log;

        if (!c.image) {
            std::string text = OutputOf("\"" + BesideTestExe("oracline-cli.exe") + "\" text \"" + profilePath + "\"");
            std::string escaped;
            for (char ch : text)
                if (ch == '\n')
                    escaped += "\\n";
                else if (ch != '\r')
                    escaped += ch;
            EXPECT_EQ(mail.note, escaped);
            EXPECT_TRUE(mail.attachments.empty());
            continue;
        }
        EXPECT_EQ(mail.note, "Daily Report ");
        ASSERT_EQ(mail.attachments.size(), 1u);
        EXPECT_EQ(mail.attachments[0].path, "C:\\Program Files\\Oracline\\Reports\\report.jpg");
        EXPECT_EQ(mail.attachments[0].position, 12u);
        // The bars stand at the readings as computed, not clamped to 3..99.
        const CliDailySet set = CliDaily(profilePath, iso);
        ASSERT_TRUE(set.ok);
        DecodedImage image(mail.attachments[0].path);
        ASSERT_TRUE(image.Loaded());
        const std::pair<int, COLORREF> bars[] = {{185, RGB(0, 0, 255)}, {290, RGB(255, 0, 0)},
                                                 {400, RGB(255, 255, 255)}, {506, RGB(0, 255, 0)},
                                                 {620, RGB(255, 255, 0)}};
        for (int i = 0; i < 5; ++i) {
            int top = 150;
            while (top <= 500 && !Near(image.Pixel(bars[i].first, top), bars[i].second, 60))
                ++top;
            EXPECT_NEAR(top, 497 - 3 * set.readings[i], 2) << "bar " << i;
        }
    }
}
