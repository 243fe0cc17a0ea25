#include "schedule/ScheduleRecord.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(ScheduleRecord, DeliveryReaderTakesProfileAddressAndType)
{
    const struct { const char *file, *profile, *email; int type; } cases[] = {
        {"Profile:C:\\Program Files\\Oracline\\Me.ini\r\nEmail:a@b.c\r\nTime:7:5AM\r\nType:1\r\n",
         "C:\\Program Files\\Oracline\\Me.ini", "a@b.c", 1},
        // Anything but 1 is plain text; an empty value keeps what was read.
        {"Profile:P\nEmail:e@x\nType:7\n", "P", "e@x", 0},
        {"Profile:P\nEmail:e@x\nType:1\nType:\n", "P", "e@x", 1},
        // Later lines win; keys are case-sensitive.
        {"Profile:A\nProfile:B\nemail:no\nEmail:\n", "B", "", 0},
        {"profile:P\nEMAIL:e@x\n", "", "", 0},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ScheduleRecord record;
        EXPECT_TRUE(ReadScheduleRecordForDelivery(dir.Write("task.dtr", c.file), record));
        SCOPED_TRACE(c.file);
        EXPECT_EQ(record.profilePath + "|" + record.email, std::string(c.profile) + "|" + c.email);
        EXPECT_EQ(record.reportType, c.type);
    }
    ScheduleRecord record{"P", "e@x", 1, 1, "AM", 1};
    EXPECT_FALSE(ReadScheduleRecordForDelivery("/no/such/task.dtr", record));
    EXPECT_EQ(record.profilePath + record.email, "");
}

} // namespace

namespace {

TEST(ScheduleRecord, StoredTimesReadAsAClockShowsThem)
{
    // The writer's forms, hand-written 12-hour forms, and what is no time.
    const struct { const char *stored, *shown; } cases[] = {
        {"7:5AM", "07:05"}, {"14:3PM", "14:03"}, {"12:0PM", "12:00"}, {"23:59PM", "23:59"}, {"1:30 PM", "13:30"},
        {"12:15AM", "00:15"}, {"07:05", "07:05"}, {"13:30PM", "13:30"},
        {"", "-"}, {"7", "-"}, {"7:", "-"}, {":5AM", "-"}, {"24:0PM", "-"}, {"7:60AM", "-"}, {"7:5XM", "-"}, {"123:4AM", "-"},
    };
    for (const auto& c : cases) {
        const std::optional<ClockTime> time = ParseStoredTime(c.stored);
        char shown[8] = "-";
        if (time)
            std::snprintf(shown, sizeof shown, "%02d:%02d", time->hour, time->minute);
        EXPECT_STREQ(shown, c.shown) << c.stored;
    }
}

TEST(ScheduleRecord, WriterLines)
{
    const struct { int hour, minute; const char* time; } cases[] = {
        {7, 5, "Time:7:5AM\n"}, {12, 0, "Time:12:0PM\n"}, {11, 59, "Time:11:59AM\n"}, {23, 45, "Time:23:45PM\n"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatScheduleRecord({"C:\\x\\J.ini", "j@d", c.hour, c.minute, "", 1}),
                  "Profile:C:\\x\\J.ini\nEmail:j@d\n" + std::string(c.time) + "Type:1\n");
}

TEST(ScheduleRecord, DisplayReaderAndProfileTest)
{
    const struct { const char *file, *profile, *time, *type; bool valid; } shown[] = {
        {"Profile:C:\\x\\Jane Doe.ini\r\nEmail:j@d\r\nTime:7:0AM\r\nType:7\r\n", "Jane Doe.ini",
         "7:0AM", "Deliver report in full colors", true},
        {"Profile:C:\\x\\Jane\nEmail:j@d\nType:x\nTime:1:2AM\nTime:3:4PM\n", "", "3:4PM",
         "Deliver report in plain text", false},
        {"profile:C:\\a.ini\nProfile:C:\\b.ini\nEmail:\nType:\n", "b.ini", "", "", false},
    };
    for (const auto& c : shown) {
        TempDir dir;
        ScheduleDisplay display = ReadScheduleRecordForDisplay(dir.Write("task.dtr", c.file));
        EXPECT_EQ(display.profile + "|" + display.storedTime + "|" + display.typeText,
                  std::string(c.profile) + "|" + c.time + "|" + c.type);
        EXPECT_EQ(display.valid, c.valid) << c.file;
    }
    // The profile test compares file-name parts, wherever the folders are;
    // names without an extension are empty on both sides and match.
    const struct { const char *file, *profile; bool scheduled; } named[] = {
        {"Profile:D:\\elsewhere\\Jane Doe.ini\n", "C:\\x\\Jane Doe.ini", true},
        {"Profile:C:\\x\\jane doe.ini\n", "C:\\x\\Jane Doe.ini", false},
        {"Profile:C:\\x\\Jane\n", "C:\\y\\John", true},
        {"Profile:C:\\x\\Jane\n", "C:\\y\\John.ini", false},
    };
    for (const auto& c : named) {
        TempDir dir;
        EXPECT_EQ(IsProfileScheduled(dir.Write("task.dtr", c.file), c.profile), c.scheduled) << c.file;
    }
}

} // namespace
