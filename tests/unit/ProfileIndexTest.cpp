#include "profiles/ProfileIndex.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string Describe(const std::vector<ProfileIndexEntry>& entries)
{
    std::string text;
    for (const ProfileIndexEntry& e : entries)
        text += "[" + e.fullName + "|" + e.description + "|" + e.calibration + "]";
    return text;
}

TEST(ProfileIndex, EntriesEndAtAdjustmentLines)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Profile:A\r\nDescription:B\r\nAdjustment:Manual\r\nProfile:C\r\nDescription:D\r\nAdjustment:Automatic\r\n",
         "[A|B|Manual][C|D|Automatic]"},
        {"Profile:A\nDescription:B\nAdjustment:Manual\nProfile:C\nDescription:D\n", "[A|B|Manual]"},
        {"Profile:A\nDescription:B\nAdjustment:Manual\nDescription:D\nAdjustment:Automatic",
         "[A|B|Manual][A|D|Automatic]"},  // running values are not cleared
        {"profile:x\nName:y\nAdjustment:\n", "[||]"},
        {"", ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("oc.ini", c.first);
        EXPECT_EQ(Describe(ReadProfileIndex(dir.dir())), c.second) << c.first;
    }
}

TEST(ProfileIndex, WritesTheExactFormatAndRefusesReadOnly)
{
    TempDir dir;
    EXPECT_FALSE(ProfileIndexExists(dir.dir()));
    ASSERT_TRUE(WriteProfileIndex(dir.dir(), {{"Jane Doe", "Me", "Automatic"}, {" Sam ", "Work ", "Manual"}}));
    const std::string written = "Profile:Jane Doe\nDescription:Me\nAdjustment:Automatic\n"
                                "Profile: Sam \nDescription:Work \nAdjustment:Manual\n";
    EXPECT_EQ(dir.Read("oc.ini"), written);
    EXPECT_EQ(Describe(ReadProfileIndex(dir.dir())), "[Jane Doe|Me|Automatic][ Sam |Work |Manual]");
    EXPECT_TRUE(ProfileIndexExists(dir.dir()));

    chmod(dir.path("oc.ini").c_str(), 0444);
    EXPECT_FALSE(WriteProfileIndex(dir.dir(), {}));
    EXPECT_EQ(dir.Read("oc.ini"), written);
    EXPECT_EQ(dir.EntryCount(), 1);
}

TEST(ProfileIndex, DirectoryInPlaceOfTheIndex)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path("oc.ini"));
    EXPECT_FALSE(ProfileIndexExists(dir.dir()));
    EXPECT_TRUE(ReadProfileIndex(dir.dir()).empty());
    EXPECT_FALSE(WriteProfileIndex(dir.dir(), {{"A", "B", "Manual"}}));
    EXPECT_EQ(dir.EntryCount(), 1);
}

}  // namespace
