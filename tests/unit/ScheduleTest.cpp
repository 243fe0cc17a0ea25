#include "schedule/AccountChecks.h"
#include "schedule/ScheduleDialogModel.h"
#include "schedule/ScheduleService.h"
#include "schedule/DeliveryLog.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// Records the calls in order; each operation answers what the test set.
struct FakeService : ScheduleService {
    bool running = true, creates = true, activates = true;
    std::string calls;
    bool EnsureRunning() override { calls += "run "; return running; }
    bool IsJobScheduled() override { return true; }
    bool DeleteJob() override { calls += "delete "; return true; }
    bool CreateJob() override { calls += "create "; return creates; }
    bool ActivateJob(CivilDate, int hour, int minute) override
    {
        calls += "activate " + std::to_string(hour) + ":" + std::to_string(minute) + " ";
        return activates;
    }
};

TEST(ScheduleDialog, ChecksInOrder)
{
    EXPECT_EQ(CheckAddress(""), "Please enter Email Address first.    ");
    EXPECT_EQ(CheckAddress(std::string(99, 'a') + "@"), "");
    EXPECT_EQ(CheckAddress("@" + std::string(100, 'a')), "Email Address is limited to 100 characters.    ");
    EXPECT_EQ(CheckAddress("jane.example.com"), "Email Address is not valid.     ");

    const std::string longText(51, 'x');
    EXPECT_EQ(CheckAccount(longText, longText), "User ID is too long. Maximum size is 50 characters.    ");
    EXPECT_EQ(CheckAccount("", longText), "Password is too long. Maximum size is 50 characters.    ");
    EXPECT_EQ(CheckAccount("", ""), "Please enter the User ID you use to login to your PC.    ");
    EXPECT_EQ(CheckAccount(std::string(50, 'u'), std::string(50, 'p')), "");
}

TEST(ScheduleDialog, SaveReplacesTheJobOnlyOnceTheRecordIsWritten)
{
    const struct { bool running, creates, activates; const char *calls, *message; } cases[] = {
        {false, true, true, "run ", "Unable to start Task Scheduler.    "},
        {true, false, true, "run delete create ", "Unable to schedule Daily Report.    "},
        // No job without a trigger is left behind.
        {true, true, false, "run delete create activate 13:30 delete ", "Unable to activate Daily Report.    "},
    };
    for (const auto& c : cases) {
        TempDir dir;
        FakeService service;
        service.running = c.running, service.creates = c.creates, service.activates = c.activates;
        const ScheduleRecord record{"J.ini", "j@d", 13, 30, "PM", 1};
        EXPECT_EQ(SaveSchedule(record, dir.path("task.dtr"), service, {}).message, c.message);
        EXPECT_EQ(service.calls, c.calls);
        EXPECT_EQ(dir.Read("task.dtr"), FormatScheduleRecord(record));
    }
    FakeService service;
    EXPECT_EQ(SaveSchedule({}, "/no/such/dir/task.dtr", service, {}).message, "Unable to save profile.    ");
    EXPECT_EQ(service.calls, "");
}

TEST(DeliveryLog, KeepsItsNewestLines)
{
    TempDir dir;
    const std::string log = dir.path("delivery.log");
    for (int i = 1; i <= kDeliveryLogLines + 5; ++i)
        ASSERT_TRUE(AppendDeliveryLog(log, "line " + std::to_string(i)));
    const std::string text = dir.Read("delivery.log");
    EXPECT_EQ(text.substr(0, 7), "line 6\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kDeliveryLogLines);
    EXPECT_EQ(LastDeliveryLogLine(log), "line 105");
}

} // namespace
