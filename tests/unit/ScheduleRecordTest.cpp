#include "schedule/ScheduleRecord.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(ScheduleRecord, DeliveryReaderTakesProfileAddressAndType)
{
    const struct { const char *file, *profile, *email; int type; bool deliverable; } cases[] = {
        {"Profile:C:\\Program Files\\Oracline\\Me.ini\r\nEmail:a@b.c\r\nTime:7:5AM\r\nType:1\r\n",
         "C:\\Program Files\\Oracline\\Me.ini", "a@b.c", 1, true},
        {"Profile:P\nEmail:e@x\nTime:13:30PM\nType:0\n", "P", "e@x", 0, true},
        // Anything but 0 or 1 is plain text; an empty value changes nothing.
        {"Profile:P\nEmail:e@x\nType:7\n", "P", "e@x", 0, true},
        {"Profile:P\nEmail:e@x\nType:1\nType:\n", "P", "e@x", 1, true},
        // Later lines win; keys are case-sensitive.
        {"Profile:A\nProfile:B\nemail:no\nEmail:\n", "B", "", 0, false},
        {"profile:P\nEMAIL:e@x\n", "", "", 0, false},
        {"Email:e@x\nType:1\n", "", "e@x", 1, false},
        {"", "", "", 0, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        ScheduleRecord record = ReadScheduleRecordForDelivery(dir.Write("task.dtr", c.file));
        SCOPED_TRACE(c.file);
        EXPECT_EQ(record.profilePath, c.profile);
        EXPECT_EQ(record.email, c.email);
        EXPECT_EQ(record.reportType, c.type);
        EXPECT_EQ(record.IsDeliverable(), c.deliverable);
    }
}

TEST(ScheduleRecord, MissingFileIsNoDelivery)
{
    TempDir dir;
    EXPECT_FALSE(ReadScheduleRecordForDelivery(dir.path("task.dtr")).IsDeliverable());
}

} // namespace
