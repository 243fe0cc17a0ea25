#include "schedule/AccountChecks.h"
#include "schedule/DailyJob.h"
#include "schedule/ScheduleDialogModel.h"
#include "schedule/ScheduleService.h"
#include "schedule/DeliveryLog.h"
#include "schedule/DeliveryNotice.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/MissedDelivery.h"
#include "schedule/ScheduledDelivery.h"
#include "base/TextLines.h"
#include "profiles/ProfileFileReadings.h"

#include "TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <tuple>

namespace {

// Records the calls in order; each operation answers what the test set.
struct FakeService : ScheduleService {
    bool running = true, creates = true, activates = true, scheduled = true;
    std::string calls;
    bool EnsureRunning() override { return calls += "run ", running; }
    bool IsJobScheduled() override { return scheduled; }
    bool DeleteJob() override { return calls += "delete ", true; }
    bool CreateJob() override { return calls += "create ", creates; }
    bool ActivateJob(CivilDate, int hour, int minute) override
    {
        return calls += "activate " + std::to_string(hour) + ":" + std::to_string(minute) + " ", activates;
    }
};

// Both readers on the same files: later lines win, keys are case-sensitive,
// an empty type keeps what was read. The delivery sends colours for Type:1
// alone, the display shows them for any non-zero number.
TEST(ScheduleRecord, DeliveryAndDisplayReaders)
{
    const std::string colours = "|Deliver report in full colors|", plain = "|Deliver report in plain text|";
    const struct { const char* file; std::string delivery, display; } cases[] = {
        {"Profile:C:\\x\\Jane Doe.ini\r\nEmail:j@d\r\nTime:7:0AM\r\nType:7\r\n", "C:\\x\\Jane Doe.ini|j@d|0",
         "Jane Doe.ini|j@d|7:0AM" + colours + "valid"},
        {"Profile:C:\\x\\Jane\nEmail:j@d\nType:1\nType:\nTime:1:2AM\nTime:3:4PM\n", "C:\\x\\Jane|j@d|1", "|j@d|3:4PM" + colours},
        {"Profile:C:\\x\\Jane.ini\nEmail:j@d\nType:x\n", "C:\\x\\Jane.ini|j@d|0", "Jane.ini|j@d|" + plain + "valid"},
        {"profile:C:\\a.ini\nProfile:C:\\b.ini\nemail:no\nEMAIL:e@x\nEmail:\nType:\n", "C:\\b.ini||0", "b.ini||||"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.Write("task.dtr", c.file);
        ScheduleRecord record;
        EXPECT_TRUE(ReadScheduleRecordForDelivery(path, record));
        EXPECT_EQ(record.profilePath + "|" + record.email + "|" + std::to_string(record.reportType), c.delivery);
        const ScheduleDisplay shown = ReadScheduleRecordForDisplay(path);
        EXPECT_EQ(shown.profile + "|" + shown.email + "|" + shown.storedTime + "|" + shown.typeText + "|" + (shown.valid ? "valid" : ""), c.display);
    }
    ScheduleRecord record{"P", "e@x", 1, 1, "AM", 1};
    EXPECT_FALSE(ReadScheduleRecordForDelivery("/no/such/task.dtr", record) || !(record.profilePath + record.email).empty());

    // The profile test compares file-name parts, wherever the folders are;
    // names without an extension are empty on both sides and match.
    const struct { const char *file, *profile; bool scheduled; } named[] = {
        {"Profile:D:\\elsewhere\\Jane Doe.ini\n", "C:\\x\\Jane Doe.ini", true},
        {"Profile:C:\\x\\jane doe.ini\n", "C:\\x\\Jane Doe.ini", false}, {"Profile:C:\\x\\Jane\n", "C:\\y\\John", true},
        {"Profile:C:\\x\\Jane\n", "C:\\y\\John.ini", false},
    };
    for (const auto& c : named)
        EXPECT_EQ(IsProfileScheduled(dir.Write("task.dtr", c.file), c.profile), c.scheduled) << c.file;
    // A last line ended by a lone CR, as a record cut short on Windows.
    EXPECT_TRUE(ReadScheduleRecordForDelivery(dir.Write("task.dtr", "Profile:C:\\x\\J.ini\nEmail:j@d\r"), record));
    EXPECT_EQ(record.email, "j@d");
    // Only a record copied from an earlier version waits for Save.
    EXPECT_TRUE(AwaitsConfirmation(dir.Write("task.dtr", "Copied:C:\\old\nProfile:C:\\x\\J.ini\n")));
    EXPECT_FALSE(AwaitsConfirmation(dir.Write("task.dtr", "Profile:C:\\x\\J.ini\n")) || AwaitsConfirmation(dir.path("none.dtr")));
    // The file name counts only when a dot stands among its last four places.
    const std::pair<const char*, const char*> names[] = {{"C:\\x\\J.ini", "J.ini"}, {"C:\\x\\J.ab", "J.ab"},
        {"C:\\x\\J.a", "J.a"}, {"C:\\x\\Jane", ""}, {"a.bc", "a.bc"}, {"abcd", ""}, {"abc", "abc"}, {"a", "a"}, {"", ""}};
    for (const auto& [path, name] : names)
        EXPECT_EQ(ScheduledFileName(path), name) << path;
}

TEST(ScheduleRecord, StoredTimesReadAsAClockShowsThem)
{
    // The writer's forms, which it writes back the same, hand-written 12-hour
    // forms, and what is no time.
    const struct { const char *stored, *shown; bool written = false; } cases[] = {
        {"7:5AM", "07:05", true}, {"14:3PM", "14:03", true}, {"12:0PM", "12:00", true}, {"11:59AM", "11:59", true},
        {"23:59PM", "23:59", true}, {"1:30 PM", "13:30"}, {"11:5PM", "23:05"}, {"12:15AM", "00:15"}, {"07:05", "07:05"}, {"13:30PM", "13:30"},
        {"", "-"}, {"7", "-"}, {"7:", "-"}, {":5AM", "-"}, {"24:0PM", "-"}, {"7:60AM", "-"}, {"7:5XM", "-"}, {"123:4AM", "-"}, {"007:05", "-"}, {"7:005AM", "-"}, {"/7:05", "-"},
    };
    for (const auto& c : cases) {
        const std::optional<ClockTime> time = ParseStoredTime(c.stored);
        char shown[8] = "-";
        if (time)
            std::snprintf(shown, sizeof shown, "%02d:%02d", time->hour, time->minute);
        EXPECT_STREQ(shown, c.shown) << c.stored;
        if (c.written && time) {
            EXPECT_EQ(FormatScheduleRecord({"C:\\x\\J.ini", "j@d", time->hour, time->minute, "", 1}),
                      "Profile:C:\\x\\J.ini\nEmail:j@d\nTime:" + std::string(c.stored) + "\nType:1\n");
        }
    }
}

TEST(ScheduleDialog, ChecksInOrderThenSaveKeepsTheOldRecordUntilTheNewJobIsComplete)
{
    EXPECT_EQ(CheckAddress(""), "Please enter Email Address first.    ");
    EXPECT_EQ(CheckAddress(std::string(99, 'a') + "@"), "");
    EXPECT_EQ(CheckAddress("@" + std::string(100, 'a')), "Email Address is limited to 100 characters.    ");
    EXPECT_EQ(CheckAddress("jane.example.com"), "Email Address is not valid.     ");

    const std::string longText(51, 'x');
    EXPECT_EQ(CheckAccount(longText, longText), "User ID is too long. Maximum size is 50 characters.    ");
    EXPECT_EQ(CheckAccount("", longText), "Password is too long. Maximum size is 50 characters.    ");
    EXPECT_EQ(CheckAccount("", ""), "Please enter the User ID you use to login to your PC.    ");
    EXPECT_EQ(CheckAccount("me", ""), "Please enter the Password you use to login to your PC.     ");
    EXPECT_EQ(CheckAccount(std::string(50, 'u'), std::string(50, 'p')), "");

    // A failed save keeps the old record until the new job is complete.
    const struct { bool running, creates, activates; const char* where; const char *calls, *message; } cases[] = {
        {false, true, true, "", "run ", "Unable to start Task Scheduler.    "},
        {true, false, true, "", "run delete create ", "Unable to schedule Daily Report.    "},
        // No job without a trigger, or with a record it was not made for.
        {true, true, false, "", "run delete create activate 13:30 delete ", "Unable to activate Daily Report.    "},
        {true, true, true, "no/such/", "run delete create activate 13:30 delete ", "Unable to save profile.    "},
    };
    for (const auto& c : cases) {
        TempDir dir;
        FakeService service;
        service.running = c.running, service.creates = c.creates, service.activates = c.activates;
        dir.Write("task.dtr", "old");
        const ScheduleSaveResult result = SaveSchedule({"J.ini", "j@d", 13, 30, "PM", 1}, dir.path(c.where + std::string("task.dtr")), service, {});
        EXPECT_EQ(result.message + (result.saved ? "saved" : "") + service.calls + dir.Read("task.dtr"), c.message + std::string(c.calls) + "old");
    }
    TempDir dir;
    FakeService service;
    for (const int type : {ReportType::plainText, ReportType::fullColours}) {
        const ScheduleSaveResult result = SaveSchedule({"C:\\x\\J.ini", "j@d", 23, 59, "PM", type}, dir.path("task.dtr"), service, {});
        EXPECT_EQ(result.message + (result.saved ? "" : " not saved"), "Daily Analysis Report was scheduled successfully.     \nProfile: J.ini    \n"
                  "Email To: j@d     \nDeliver report in " + std::string(type ? "full colors" : "plain text") + ".     ");
    }
    EXPECT_EQ(dir.Read("task.dtr"), "Profile:C:\\x\\J.ini\nEmail:j@d\nTime:23:59PM\nType:1\n");
    // Change starts from what is scheduled; midnight cannot be offered.
    ScheduleDialogModel model("J.ini");
    model.TakeCurrent({"J.ini", "j@d", "0:15AM", "", ReportType::fullColours, true});
    EXPECT_EQ(model.address + " " + std::to_string(model.hour) + ":" + std::to_string(model.minute), "j@d 7:0");
    model.TakeCurrent({"J.ini", "k@d", "1:3AM", "", ReportType::plainText, true});
    EXPECT_EQ(FormatScheduleRecord(model.Record(model.address)), "Profile:J.ini\nEmail:k@d\nTime:1:3AM\nType:0\n");
    // Currently Scheduled opens first only for a record with its job.
    for (const auto& [record, running, scheduled, first] : {std::tuple{true, true, true, ScheduleEntry::CurrentlyScheduled},
             {false, true, true, ScheduleEntry::ScheduleDialog}, {true, false, true, ScheduleEntry::ScheduleDialog},
             {true, true, false, ScheduleEntry::ScheduleDialog}}) {
        FakeService scheduler;
        scheduler.running = running, scheduler.scheduled = scheduled;
        EXPECT_EQ(ChooseScheduleEntry(record ? dir.path("task.dtr") : dir.path("none.dtr"), scheduler), first);
    }
}

// The lists offer each entry once and in order, and the entry picked is the
// time and form saved; nothing selected changes nothing.
TEST(ScheduleDialog, ListEntriesAreTheTimeAndFormSaved)
{
    const std::string hours = Joined(HourEntries(), [](const std::string& entry) { return entry + " "; }),
                      minutes = Joined(MinuteEntries(), [](const std::string& entry) { return entry; });
    EXPECT_EQ(hours, "01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 ");
    EXPECT_EQ(std::to_string(minutes.size()) + minutes.substr(0, 6) + minutes.substr(114), "120000102575859");
    EXPECT_EQ(ReportTypeEntries(), (std::vector<std::string>{"deliver report in plain text", "deliver report in full colors"}));

    ScheduleDialogModel model("J.ini");
    const struct { int hour, minute, type; const char* time; int shownType; } picks[] = {
        {10, 59, 1, "11:59AM", 1}, {0, 0, 0, "1:0AM", 0}, {11, 5, 1, "12:5PM", 1}, {22, 30, 0, "23:30PM", 0}, {-1, -1, -1, "23:30PM", 0},
    };
    for (const auto& p : picks) {
        model.HourSelected(p.hour), model.MinuteSelected(p.minute), model.TypeSelected(p.type);
        EXPECT_EQ(FormatScheduleRecord(model.Record("a@b")),
                  "Profile:J.ini\nEmail:a@b\nTime:" + std::string(p.time) + "\nType:" + std::to_string(p.shownType) + "\n");
    }
    model.address = "x@y";
    model.Reset();
    EXPECT_EQ(FormatScheduleRecord(model.Record(model.address)), "Profile:J.ini\nEmail:\nTime:7:0AM\nType:0\n");
}

// Deleting the scheduled profile asks first; Yes ends the job and the
// record, No keeps all; another profile's deletion asks nothing.
TEST(ScheduleDialog, DeletingTheScheduledProfileEndsItsDelivery)
{
    const struct { const char* profile; bool running, yes, goesOn; const char* calls; bool recordStays; } cases[] = {
        {"C:\\y\\Ann.ini", true, true, true, "", true}, {"C:\\y\\Jane.ini", true, false, false, "asked ", true},
        {"C:\\y\\Jane.ini", true, true, true, "asked run delete ", false}, {"C:\\y\\Jane.ini", false, true, true, "asked run ", false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string record = dir.Write("task.dtr", "Profile:C:\\x\\Jane.ini\nEmail:j@d\n");
        FakeService service;
        service.running = c.running;
        const bool goesOn = EndScheduleOfDeletedProfile(record, c.profile, service, [&](const std::string& question) {
            return service.calls += question == kScheduledProfileQuestion ? "asked " : "other ", c.yes;
        });
        EXPECT_EQ(std::make_tuple(goesOn, service.calls, dir.EntryCount()), std::make_tuple(c.goesOn, std::string(c.calls), c.recordStays ? 1 : 0));
    }
}

// The whole command line: the record alone (Wine's scheduler passes the
// parameters only) or after the program (Windows); anything else is a
// person starting the program.
TEST(ScheduledDelivery, RecognisesTheRunHoweverTheSchedulerStartsIt)
{
    const std::string record = "C:\\Users\\Jane Doe\\AppData\\Roaming\\Oracline\\task.dtr", program = "C:\\Program Files\\Oracline\\Oracline.exe";
    const struct { std::string line; bool scheduled; } cases[] = {
        {record, true}, {'"' + record + '"', true}, {'"' + program + "\" " + record, true}, {'"' + program + "\" \"" + record + '"', true},
        {"Oracline.exe " + record, true}, {"Oracline.exe\t\t\"" + record + '"', true},
        {program + " " + record, true}, {"\"x\"  " + record, true}, {" .exe " + record, true},
        {"", false}, {'"' + program + '"', false}, {record + " ", false}, {'"' + record, false},
        {"\"\"" + record + "\"\"", false}, {"c" + record.substr(1), false},
        {"C:\\Program Files\\Oracline\\task.dtr", false}, {'"' + program + "\"" + record, false},
        {"\"\" " + record, false}, {'"' + program + "\" /x " + record, false}, {"a b " + record, false},
        {"Oracline.exe " + record + " ", false}, {" " + record, false}, {"Oracline.exe c" + record.substr(1), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsScheduledRunCommandLine(c.line, record), c.scheduled) << c.line;
    EXPECT_FALSE(IsScheduledRunCommandLine("", "") || IsScheduledRunCommandLine("x ", ""));
}

// Only a profile of the data folder and a single address are accepted, and
// every branch of the delivery ends in its log line.
TEST(ScheduledDelivery, RecordChecksAndEveryBranch)
{
    TempDir dir;
    const std::string profile = dir.Write("Jane.ini", "Name:Jane Doe\nYourMonth:5\nYourDate:4\nYourYear:1990\n");

    dir.Write("Big.ini", std::string(kMaxDataFileBytes + 1, '\n'));
    dir.Write("Nameless.ini", "YourMonth:5\n");
    const std::string elsewhere = "the profile is not a profile file of the data folder", nameless = "the profile holds no name",
                      unread = "the profile is missing or not a regular file of at most 1 MiB",
                      address = "the address is not a single e-mail address";
    const struct { std::string profile, email, refusal; } refused[] = {
        {profile, "j@x.org", ""}, {dir.path("..\\Jane.ini"), "j@x.org", elsewhere},
        {dir.path("sub\\Jane.ini"), "j@x.org", elsewhere}, {"\\\\host\\share\\Jane.ini", "j@x.org", elsewhere},
        {"\\\\.\\pipe\\x", "j@x.org", elsewhere}, {dir.path("NUL.ini"), "j@x.org", elsewhere},
        {dir.path("a:b.ini"), "j@x.org", elsewhere}, {dir.path("Jane.txt"), "j@x.org", elsewhere},
        {dir.path("Gone.ini"), "j@x.org", unread}, {dir.path("Big.ini"), "j@x.org", unread},
        {dir.path("Nameless.ini"), "j@x.org", nameless}, {dir.path("oc.ini"), "j@x.org", elsewhere}, {"X" + profile.substr(1), "j@x.org", elsewhere},
        {profile, "Jane Doe <j@x.org>", ""}, {profile, "j@x.org\nBcc:k@x", address}, {profile, "j@x.org;k@x.org", address}, {profile, "j@x.org,k@x.org", address}, {profile, "", address},
    };
    for (const auto& c : refused) {
        Profile read;
        EXPECT_EQ(RecordRefusal({c.profile, c.email, 7, 5, "AM", 1}, dir.dir(), read), c.refusal) << c.profile << c.email;
        EXPECT_TRUE(!c.refusal.empty() || read.fullName == "Jane Doe") << read.fullName;
    }

    const FixedClock clock({2026, 12, 7});
    const std::string image = dir.path("private.jpg"), to = "to:j@x.org\n", file = "file:" + image + " as report.jpg\n",
                      head = "from:Oracline\nsubject:Daily Report\nbody:", colours = to + file + head + "Daily Report\nsend",
                      plain = to + head + ComposeDailyText(profile, clock) + "\nsend";
    const SendReport ok = MapiSendReport(0);
    const struct { const char* record; bool makesImage, renders; SendReport answer; const char* logged; std::string sent; } cases[] = {
        {"Type:1", true, true, ok, "j@x.org, full colours, sent", colours}, {"Type:0", true, true, ok, "j@x.org, plain text, sent", plain},
        {"Type:7", true, true, MapiSendReport(3), "j@x.org, plain text, MAPI result 3", plain},
        {"Type:1", true, false, ok, "j@x.org, plain text (report image failed), sent", plain},
        {"Type:1", false, true, ok, "j@x.org, plain text (report image failed), sent", plain},
        {"Type:1", true, true, NotFilledReport(), "j@x.org, full colours, not sent: a recipient or the attachment could not be added", colours},
        {"Type:1", true, true, NoMailLibraryReport(), "j@x.org, full colours, no mail library", colours},
        // The log line cannot be split by what the record holds.
        {"Email:j@x.org\rBcc:k@x.org", true, true, ok,
         "j@x.org?Bcc:k@x.org, nothing sent, record refused: the address is not a single e-mail address", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        const std::string record = dir.Write("task.dtr", "Profile:" + profile + "\nEmail:j@x.org\n" + c.record + "\n");
        std::string sent;
        DeliveryTools tools;
        tools.createSender = [&] { return std::make_unique<FakeSender>(&sent, c.answer); };
        tools.createImageFile = [&] { return c.makesImage ? dir.Write("private.jpg", "") : ""; };
        tools.renderImage = [&](const std::string& path, const ReportInput& report) { return path == image && !report.title.empty() && c.renders; };
        EXPECT_EQ(FormatDeliveryLogLine(RunScheduledDelivery(record, dir.dir(), clock, tools)), ", " + ScheduledFileName(profile) + ", " + c.logged);
        EXPECT_FALSE(std::filesystem::exists(dir.path("private.jpg")));
        EXPECT_EQ(sent, c.sent);
    }
    std::filesystem::remove(dir.path("task.dtr"));
    EXPECT_EQ(FormatDeliveryLogLine(RunScheduledDelivery(dir.path("task.dtr"), dir.dir(), clock, {})),
              ", , , nothing sent, record refused: there is no readable schedule record");
}

// Before anything is drawn or sent: a copied record waits for the user,
// settings that choose the mail server must be able to reach it (the run
// never takes another route), and a report already sent today to this
// address is not sent again. Each refusal is one log line, nothing sent.
TEST(ScheduledDelivery, ConfirmedRecordChosenRouteAndOneMailADay)
{
    TempDir dir;
    const std::string profile = dir.Write("Jane.ini", "Name:Jane Doe\nYourMonth:5\nYourDate:4\nYourYear:1990\n");
    const std::string smtp = "Method:SMTP\nServer:mail.example.org\nPort:587\nUser:jane\n";
    const std::string name = ScheduledFileName(profile), today = "2026-12-07 07:00, " + name + ", j@x.org, plain text, ";
    const std::string skipped = "nothing sent, already delivered today",
                      unusableFrom = "nothing sent, mail settings refused: From: in mail.ini is missing or unusable";
    const struct { const char* copied; std::string mailIni, log, logged; } cases[] = {
        {"", "", "", "plain text, sent"},
        {"Copied:C:\\Program Files\\Oracline\\\n", "", "",
         "nothing sent, record refused: the schedule copied from an earlier version awaits Save in the Schedule dialog"},
        {"", smtp + "From:jane@example.org\n", "", "plain text, sent"},
        {"", "Method:SMTP\nPort:587\nFrom:jane@example.org\n", "",
         "nothing sent, mail settings refused: Server: in mail.ini is missing or unusable"},
        {"", smtp + "From:jane\n", "", unusableFrom}, {"", smtp + "From:jane@x.org\x01\n", "", unusableFrom},
        {"", "Method:MAPI\nFrom:jane\n", "", "plain text, sent"},
        {"", "", today + "sent\n", skipped}, {"", "", "x\n" + today + "sent: 250 2.0.0 queued as 1\r\n", skipped},
        {"", "", "2026-12-07 23:59, \"" + name + "\", \"j@x.org\", plain text, sent\n", skipped},
        {"", "", today + "not sent: sign-in refused: 535 no\n", "plain text, sent"}, {"", "", today + "MAPI result 3\n", "plain text, sent"},
        {"", "", "2026-12-06 07:00, " + name + ", j@x.org, plain text, sent\n", "plain text, sent"},
        {"", "", "2026-12-07 07:00, " + name + ", k@x.org, plain text, sent\n", "plain text, sent"},
        {"", "", "2026-12-07 07:00, June.ini, j@x.org, plain text, sent\n", "plain text, sent"},
        {"", "", today + "sent, more\n", "plain text, sent"}, {"", "", "2026-12-07, " + name + ", j@x.org, plain text, sent\n", "plain text, sent"},
    };
    const FixedClock clock({2026, 12, 7});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged + " / " + c.mailIni + c.log);
        std::filesystem::remove(dir.path("mail.ini")), std::filesystem::remove(dir.path("delivery.log"));
        if (!c.mailIni.empty())
            dir.Write("mail.ini", c.mailIni);
        if (!c.log.empty())
            dir.Write("delivery.log", c.log);
        const std::string record = dir.Write("task.dtr", c.copied + ("Profile:" + profile + "\nEmail:j@x.org\nType:0\n"));
        std::string sent;
        DeliveryTools tools;
        tools.createSender = [&] { return std::make_unique<FakeSender>(&sent); };
        EXPECT_EQ(FormatDeliveryLogLine(RunScheduledDelivery(record, dir.dir(), clock, tools)), ", " + name + ", j@x.org, " + c.logged);
        EXPECT_EQ(sent.empty(), c.logged.rfind("nothing sent", 0) == 0);
    }
}

// Only a definition that reads back whole is trusted with the delivery;
// one the scheduler kept less of (Wine's 2.0 store keeps neither trigger nor
// action) makes the program register the 1.0 job instead.
TEST(DailyJob, ReadBackHoldsTheJobOnlyWhenWhole)
{
    const DailyJob job{"C:\\Program Files\\Oracline\\Oracline.exe", "C:\\Users\\Jo\\task.dtr", "C:\\Users\\Jo", {2026, 12, 8}, 7, 5};
    EXPECT_EQ(StartBoundary(job.firstDay, job.hour, job.minute), "2026-12-08T07:05:00");
    const JobReadBack whole{1, true, 1, "2026-12-08T07:05:00", 1, "c:\\program files\\oracline\\ORACLINE.EXE",
                            "C:\\Users\\Jo\\task.dtr", "c:\\users\\jo"};
    const auto changed = [&whole](auto change) { JobReadBack r = whole; change(r); return r; };
    const struct { const char* what; JobReadBack readBack; bool action, daily; } cases[] = {
        {"whole", whole, true, true}, {"as Wine keeps it", JobReadBack{}, false, false},
        {"no trigger", changed([](JobReadBack& r) { r.triggerCount = 0; }), true, false},
        {"two triggers", changed([](JobReadBack& r) { r.triggerCount = 2; }), true, false},
        {"weekly", changed([](JobReadBack& r) { r.dailyTrigger = false; }), true, false},
        {"every other day", changed([](JobReadBack& r) { r.daysInterval = 2; }), true, false},
        {"another minute", changed([](JobReadBack& r) { r.startBoundary = "2026-12-08T07:06:00"; }), true, false},
        {"in UTC", changed([](JobReadBack& r) { r.startBoundary += "Z"; }), true, false},
        {"no action", changed([](JobReadBack& r) { r.actionCount = 0; }), false, false},
        {"another program", changed([](JobReadBack& r) { r.program = "C:\\x.exe"; }), false, false},
        {"the record in other case", changed([](JobReadBack& r) { r.arguments = "c:\\users\\jo\\task.dtr"; }), false, false},
        {"another folder", changed([](JobReadBack& r) { r.workingDirectory = "C:\\"; }), false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::make_pair(HoldsAction(c.readBack, job), HoldsDailyJob(c.readBack, job)), std::make_pair(c.action, c.daily)) << c.what;
}

// A field can hold anything the record holds, and never pass for another.
TEST(DeliveryLog, FieldsStayFields)
{
    const struct { DeliveryLogEntry entry; const char* line; } cases[] = {
        {{"2026-12-07 07:05", "Jane.ini", "j@x.org", "plain text", "sent"}, "2026-12-07 07:05, Jane.ini, j@x.org, plain text, sent"},
        {{"t", "Jane.ini", "j@x.org, full colours, sent", "nothing sent", "record refused: why"},
         "t, Jane.ini, \"j@x.org, full colours, sent\", nothing sent, record refused: why"},
        {{"t", "Say \"hi\".ini", "a\nb", "f", "o"}, "t, \"Say \"\"hi\"\".ini\", a?b, f, o"},
        // A server's answer cut inside a character keeps the log UTF-8.
        {{"t", "\u738B\u4F1F.ini", "j@x.org", "f", "550 \xE7\x8E"}, "t, \u738B\u4F1F.ini, j@x.org, f, 550 ??"},
    };
    for (const auto& c : cases) {
        // What was written reads back as the same fields.
        const std::optional<DeliveryLogEntry> read = ParseDeliveryLogLine(c.line);
        EXPECT_EQ(FormatDeliveryLogLine(c.entry) + "|" + (read ? FormatDeliveryLogLine(*read) : "unread"), c.line + std::string("|") + c.line);
    }
    // Kept below the 499 characters the line reader would cut.
    EXPECT_EQ(FormatDeliveryLogLine({"t", "J.ini", "j@x.org", "f", std::string(600, 'x')}).size(), 498u);
    for (const char* unwritten : {"a, b, c, d", "a, b, c, d, e, f", "a, \"b, c, d, e", "a, \"b\"x, c, d, e", ""})
        EXPECT_FALSE(ParseDeliveryLogLine(unwritten)) << unwritten;
}

TEST(DeliveryLog, KeepsItsNewestLines)
{
    TempDir dir;
    const std::string log = dir.path("delivery.log");
    for (int i = 1; i <= kDeliveryLogLines + 5; ++i)
        ASSERT_TRUE(AppendDeliveryLog(log, "line " + std::to_string(i)));
    const std::string text = dir.Read("delivery.log");
    EXPECT_EQ(text.substr(0, 7) + std::to_string(std::count(text.begin(), text.end(), '\n')), "line 6\n" + std::to_string(kDeliveryLogLines));
    EXPECT_EQ(LastDeliveryLogLine(log), "line 105");
}

TEST(MissedDelivery, DueAfterTheLaterOfLastRunAndSavingAndAnHourOverdue)
{
    const LocalMinute saved{{2026, 12, 5}, 6, 0};
    const ClockTime seven{7, 0};
    const struct { std::optional<LocalMinute> lastRun; LocalMinute now; std::string said; } cases[] = {
        {std::nullopt, {{2026, 12, 5}, 7, 59}, ""}, {std::nullopt, {{2026, 12, 5}, 8, 0},
         "No delivery since the schedule was saved on 2026-12-05 06:00: the delivery due 2026-12-05 07:00 did not run."},
        {LocalMinute{{2026, 12, 5}, 7, 0}, {{2026, 12, 6}, 7, 59}, ""}, {LocalMinute{{2026, 12, 5}, 7, 1}, {{2026, 12, 7}, 9, 0},
         "No delivery since 2026-12-05 07:01: the delivery due 2026-12-06 07:00 did not run."},
        // A run of an older schedule says nothing about this one.
        {LocalMinute{{2026, 12, 1}, 7, 0}, {{2026, 12, 5}, 7, 30}, ""},
        {ParseLogTime("2026-12-31 23:30, Jane.ini, j@x.org, plain text, sent"), {{2027, 1, 1}, 8, 0},
         "No delivery since 2026-12-31 23:30: the delivery due 2027-01-01 07:00 did not run."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MissedDeliveryText(c.lastRun, saved, seven, c.now), c.said) << c.now.hour << ":" << c.now.minute;
    // January's runs count too.
    EXPECT_EQ(MissedDeliveryText(ParseLogTime("2027-01-01 07:00, J.ini, j@x.org, plain text, sent"), saved, seven, {{2027, 1, 2}, 7, 59}), "");
    // A delivery due late in the evening is missed that evening.
    EXPECT_EQ(MissedDeliveryText(std::nullopt, saved, {22, 40}, {{2026, 12, 5}, 23, 39}), "");
    EXPECT_NE(MissedDeliveryText(std::nullopt, saved, {22, 40}, {{2026, 12, 5}, 23, 40}), "");
    // The grace runs past midnight.
    const struct { int minute; LocalMinute before; const char* due; } lateInTheDay[] = {
        {0, {{2026, 12, 5}, 23, 59}, "23:00"}, {23, {{2026, 12, 6}, 0, 22}, "23:23"}, {59, {{2026, 12, 6}, 0, 58}, "23:59"},
    };
    for (const auto& c : lateInTheDay) {
        EXPECT_EQ(MissedDeliveryText(std::nullopt, saved, {23, c.minute}, c.before), "") << c.due;
        EXPECT_EQ(MissedDeliveryText(std::nullopt, saved, {23, c.minute}, {{2026, 12, 6}, 0, c.minute}),
                  "No delivery since the schedule was saved on 2026-12-05 06:00: the delivery due 2026-12-05 " + std::string(c.due) + " did not run.");
    }
    for (const char* notATime : {"", "2026-13-01 07:00, x", "2026-00-10 07:00", "2026-12-00 07:00", "2026-12-32 07:00", "2026-02-29 07:00",
                                 "garbage", "2026-12-05 24:00", "2026-12-05 07:60", "2026-12-05 -1:00", "2026-12-05 07:-1", "2026-12-05 07"})
        EXPECT_FALSE(ParseLogTime(notATime)) << notATime;
    for (const char* time : {"2026-12-05 23:59", "2024-02-29 00:00, J.ini, j@x.org, plain text, sent"})
        EXPECT_TRUE(ParseLogTime(time)) << time;
}

} // namespace

// Told once, with the log's own reason: a sent or already-sent run says
// nothing, a failure says its outcome, a missed run (the newer trouble) says
// its sentence and the failure before it; whatever reported.txt holds is
// not told again, and a new trouble is.
TEST(DeliveryNotice, FailedOrMissedOnceWithTheReason)
{
    const std::string sent = "2026-12-07 07:05, Jane Doe.ini, j@d.org, full colours, sent";
    const std::string served = "2026-12-07 07:05, Jane Doe.ini, j@d.org, plain text, sent: 250 2.0.0 Ok";
    const std::string again = "2026-12-07 07:06, Jane Doe.ini, j@d.org, nothing sent, already delivered today";
    const std::string refused = "2026-12-07 07:05, Jane Doe.ini, j@d.org, full colours, \"sign-in refused: 535 5.7.8 Bad, sorry\"";
    const std::string missed = "No delivery since 2026-12-07 07:05: the delivery due 2026-12-08 07:05 did not run.";
    const std::string ask = "\n\nDo you want to open Currently Scheduled?";
    const std::string told = "The daily e-mail of 2026-12-07 07:05 was not sent: sign-in refused: 535 5.7.8 Bad, sorry";
    const struct { std::string last, missed, reported, key, text; } cases[] = {
        {"", "", "", "", ""}, {sent, "", "", "", ""}, {served, "", "", "", ""}, {again, "", "", "", ""},
        {refused, "", "", refused, told + ask}, {refused, "", refused, "", ""}, {refused, "", sent, refused, told + ask},
        {sent, missed, "", missed, missed + ask}, {sent, missed, missed, "", ""}, {refused, missed, refused, missed, missed + "\n" + told + ask},
        {"garbage", "", "", "garbage", "The daily e-mail of the last run was not sent: garbage" + ask},
    };
    for (const auto& c : cases) {
        const std::optional<DeliveryNotice> notice = DeliveryNoticeFor(c.last, c.missed, c.reported);
        EXPECT_EQ(notice ? notice->key + "|" + notice->text : "|", c.key + "|" + c.text) << c.last << " | " << c.missed;
    }

    TempDir data;
    EXPECT_EQ(ReadReportedDelivery(data.dir()), "");
    ASSERT_TRUE(WriteReportedDelivery(data.dir(), refused));
    EXPECT_EQ(ReadReportedDelivery(data.dir()), refused);
    EXPECT_FALSE(DeliveryNoticeFor(refused, "", ReadReportedDelivery(data.dir())));
    data.Write("reported.txt", "first\nsecond\n");  // only the first line is the key
    EXPECT_EQ(ReadReportedDelivery(data.dir()), "first");
}
