#include "mail/MailSender.h"
#include "schedule/AccountChecks.h"
#include "schedule/DeliveryLog.h"
#include "schedule/ScheduleDialogModel.h"
#include "schedule/ScheduleService.h"
#include "schedule/ScheduledDelivery.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// Records the calls in order; each operation answers what the test set.
struct FakeService : ScheduleService {
    bool running = true, scheduled = false, creates = true, activates = true;
    std::string calls;
    bool EnsureRunning() override { calls += "run "; return running; }
    bool IsJobScheduled() override { calls += "is "; return scheduled; }
    bool DeleteJob() override { calls += "delete "; return true; }
    bool CreateJob() override { calls += "create "; return creates; }
    bool ActivateJob(CivilDate day, int hour, int minute) override
    {
        calls += "activate " + std::to_string(day.day) + " " + std::to_string(hour) + ":" +
                 std::to_string(minute) + " ";
        return activates;
    }
};

TEST(ScheduleDialog, AddressChecksAndSuccessText)
{
    const struct { std::string address, refusal; } cases[] = {
        {"", "Please enter Email Address first.    "},
        {std::string(99, 'a') + "@", ""},
        {"@" + std::string(100, 'a'), "Email Address is limited to 100 characters.    "},
        {"jane.example.com", "Email Address is not valid.     "},
        {"@", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckAddress(c.address), c.refusal) << c.address;

    ScheduleDialogModel model("C:\\Program Files\\Oracline\\Jane Doe.ini");
    model.HourSelected(11);
    EXPECT_EQ(model.DayHalf(), "PM");
    model.HourSelected(10);
    EXPECT_EQ(model.DayHalf(), "AM");
    EXPECT_EQ(HourEntries().front(), "01");
    EXPECT_EQ(HourEntries().size(), 23u);
    model.TypeSelected(1);
    EXPECT_EQ(ScheduledSuccessText(model.Record("j@d")),
              "Daily Analysis Report was scheduled successfully.     \nProfile: Jane Doe.ini    \nEmail To: j@d     "
              "\nDeliver report in full colors.     ");
}

TEST(ScheduleDialog, SaveReplacesTheJobOnlyOnceTheRecordIsWritten)
{
    const struct { bool running, creates, activates; const char *calls, *message; } cases[] = {
        {true, true, true, "run delete create activate 7 13:30 ", ""},
        {false, true, true, "run ", "Unable to start Task Scheduler.    "},
        {true, false, true, "run delete create ", "Unable to schedule Daily Report.    "},
        // No job without a trigger is left behind.
        {true, true, false, "run delete create activate 7 13:30 delete ", "Unable to activate Daily Report.    "},
    };
    for (const auto& c : cases) {
        TempDir dir;
        FakeService service;
        service.running = c.running, service.creates = c.creates, service.activates = c.activates;
        ScheduleRecord record{"J.ini", "j@d", 13, 30, "PM", 1};
        ScheduleSaveResult result = SaveSchedule(record, dir.path("task.dtr"), service, {2026, 12, 7});
        EXPECT_EQ(service.calls, c.calls);
        EXPECT_EQ(result.saved, *c.message == 0);
        EXPECT_EQ(result.saved ? "" : result.message, c.message);
        EXPECT_EQ(dir.Read("task.dtr"), FormatScheduleRecord(record));
    }
    TempDir dir;
    FakeService service;
    ScheduleSaveResult unwritable = SaveSchedule({}, dir.path("no/such/task.dtr"), service, {});
    EXPECT_EQ(unwritable.message, "Unable to save profile.    ");
    EXPECT_EQ(service.calls, "");
}

TEST(ScheduleDialog, OpeningAndDeletingTheScheduledProfile)
{
    TempDir dir;
    FakeService service;
    service.scheduled = true;
    EXPECT_EQ(ChooseScheduleEntry(dir.path("task.dtr"), service), ScheduleEntry::ScheduleDialog);
    dir.Write("task.dtr", "Profile:C:\\x\\Jane Doe.ini\nEmail:j@d\n");
    EXPECT_EQ(ChooseScheduleEntry(dir.path("task.dtr"), service), ScheduleEntry::CurrentlyScheduled);
    service.running = false;
    EXPECT_EQ(ChooseScheduleEntry(dir.path("task.dtr"), service), ScheduleEntry::ScheduleDialog);
    EXPECT_EQ(dir.EntryCount(), 1);  // looking never removes the record

    std::string asked;
    auto answer = [&](bool yes) { return [&asked, yes](const std::string& q) { asked = q; return yes; }; };
    EXPECT_TRUE(EndScheduleOfDeletedProfile(dir.path("task.dtr"), "C:\\y\\John.ini", service, answer(false)));
    EXPECT_EQ(asked, "");
    EXPECT_FALSE(EndScheduleOfDeletedProfile(dir.path("task.dtr"), "C:\\y\\Jane Doe.ini", service, answer(false)));
    EXPECT_EQ(asked, kScheduledProfileQuestion);
    EXPECT_EQ(dir.EntryCount(), 1);
    service.running = true;
    service.calls.clear();
    EXPECT_TRUE(EndScheduleOfDeletedProfile(dir.path("task.dtr"), "C:\\y\\Jane Doe.ini", service, answer(true)));
    EXPECT_EQ(service.calls, "run delete ");
    EXPECT_EQ(dir.EntryCount(), 0);
}

TEST(ScheduleDialog, AccountChecksInOrder)
{
    const std::string longText(51, 'x');
    EXPECT_EQ(CheckAccount(longText, longText), "User ID is too long. Maximum size is 50 characters.    ");
    EXPECT_EQ(CheckAccount("", longText), "Password is too long. Maximum size is 50 characters.    ");
    EXPECT_EQ(CheckAccount("", ""), "Please enter the User ID you use to login to your PC.    ");
    EXPECT_EQ(CheckAccount("jane", ""), "Please enter the Password you use to login to your PC.     ");
    EXPECT_EQ(CheckAccount(std::string(50, 'u'), std::string(50, 'p')), "");
}

TEST(DeliveryLog, LineFormatAndTrimming)
{
    TempDir dir;
    const std::string log = dir.path("delivery.log");
    EXPECT_EQ(LastDeliveryLogLine(log), "");
    for (int i = 1; i <= 105; ++i)
        ASSERT_TRUE(AppendDeliveryLog(log, "line " + std::to_string(i)));
    const std::string text = dir.Read("delivery.log");
    EXPECT_EQ(text.substr(0, 7), "line 6\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100);
    EXPECT_EQ(LastDeliveryLogLine(log), "line 105");
    EXPECT_EQ(FormatDeliveryLogLine({DeliveryTimestamp({2026, 1, 2}, 7, 5), "J.ini", "j@d", "plain text", "sent"}),
              "2026-01-02 07:05, J.ini, j@d, plain text, sent");
}

// Remembers what the run put into the message.
struct FakeSender : MailSender {
    std::string* seen;
    int error;
    unsigned long result;
    FakeSender(std::string* seen, int error, unsigned long result) : seen(seen), error(error), result(result) {}
    int TakeError() override { return error; }
    bool AddRecipient(const std::string& t) override { *seen += "to " + t + "|"; return true; }
    void SetSubject(const std::string& t) override { *seen += "subject " + t + "|"; }
    bool AddAttachment(const std::string& p, const std::optional<std::string>& name) override
    {
        *seen += "attach " + p + (name ? "+name" : "") + "|";
        return true;
    }
    void SetOriginatorName(const std::string& t) override { *seen += "from " + t + "|"; }
    void SetBody(const std::string& t) override { *seen += "body " + t.substr(0, 14) + "|"; }
    unsigned long Send(unsigned long flags) override { *seen += "send " + std::to_string(flags); return result; }
};

TEST(ScheduledDelivery, MailsImageOrTextAndSaysHowItWent)
{
    TempDir dir;
    const std::string profile =
        dir.Write("Jane Doe.ini", "Profile:Jane Doe\nName:Jane Doe\nYourMonth:5\nYourDate:17\nYourYear:1970\n");
    const FixedClock clock({2026, 12, 7});
    const struct { int type, error; bool renders; unsigned long result; const char *form, *outcome, *seen; } cases[] = {
        {1, 0, true, 0, "full colours", "sent",
         "to j@d|from Oracline|subject Daily Report|attach R/report.jpg|body Daily Report|send 0"},
        {1, 0, false, 3, "plain text (report image failed)", "MAPI result 3",
         "to j@d|from Oracline|subject Daily Report|body Daily Analysis|send 0"},
        {0, MailSender::kNoMailLibrary, true, 0, "plain text", "no mail library", ""},
    };
    for (const auto& c : cases) {
        std::string seen;
        ReportInput drawn;
        DeliveryTools tools;
        tools.createSender = [&] { return std::make_unique<FakeSender>(&seen, c.error, c.result); };
        tools.renderImage = [&](const std::string&, const ReportInput& report) { drawn = report; return c.renders; };
        DeliveryLogEntry entry = DeliverScheduledReport({profile, "j@d", 0, 0, "", c.type}, "R/", clock, tools);
        EXPECT_EQ(entry.form, c.form);
        EXPECT_EQ(entry.outcome, c.outcome);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(drawn.title, c.type == 1 ? "Daily Analysis - December 7, 2026  - Jane Doe -  Automatic Calibration" : "");
    }
}

} // namespace
