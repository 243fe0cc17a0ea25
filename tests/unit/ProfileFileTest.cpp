#include "profiles/ProfileFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

Profile EngineRead(const TempDir& dir, const std::string& bytes)
{
    Profile p;
    ReadProfileForEngine(dir.Write("p.ini", bytes), p);
    return p;
}

TEST(ProfileFile, KeyRules)
{
    const std::string junk499(499, '#');
    struct Case {
        std::string bytes;
        int month, day, year;
    } cases[] = {
        {"YourMonth:7\r\nYourDate:15\r\nYourYear:1970", 7, 15, 1970},
        {"YourMonth:\nYourDate:\n", 1, 1, 1900},  // an empty value keeps the default
        {"YourMonth: 5\nYourDate:6abc\nYourYear:abc\n", 5, 6, 0},
        {"YourDate:-3\nYourYear:99999999999999999999\n", 1, -3, INT_MAX},
        {"yourmonth:5\n YourDate:6\n", 1, 1, 1900},  // case-sensitive, at the line start only
        {"YourMonth:3\nYourMonth:4\n", 4, 1, 1900},
        {junk499 + "YourMonth:8\n", 8, 1, 1900},  // the second piece of a long line starts with a key
        {junk499 + "#YourMonth:8\n", 1, 1, 1900},
        {"YourMonth:\0" "7\nYourDate:4\0" "2\n"s, 1, 4, 1900},  // a value ends at a NUL
    };
    for (const Case& c : cases) {
        TempDir dir;
        Profile p = EngineRead(dir, c.bytes);
        EXPECT_EQ(p.yourMonth, c.month) << c.bytes;
        EXPECT_EQ(p.yourDate, c.day) << c.bytes;
        EXPECT_EQ(p.yourYear, c.year) << c.bytes;
    }

    TempDir dir;
    EXPECT_EQ(EngineRead(dir, "Name:" + std::string(600, 'x') + "\n").fullName, std::string(494, 'x'));
    EXPECT_EQ(EngineRead(dir, "Name:  Jane Doe \r\n").fullName, "  Jane Doe ");
}

TEST(ProfileFile, OnlyTheGroupMonthKeysTurnFlagsOn)
{
    const std::pair<const char*, int> cases[] = {
        // flags: 1 mother, 2 father, 4 manual calibration
        {"MotherMonth:5\n", 1},
        {"MotherDate:2\nMotherYear:1945\n", 0},
        {"MotherMonth:\n", 0},
        {"FatherMonth:0\n", 2},
        {"BadMonth:2\n", 4},
        {"GoodMonth:2\nGoodDate:3\n", 0},
    };
    for (const auto& c : cases) {
        TempDir dir;
        Profile p = EngineRead(dir, c.first);
        EXPECT_EQ(p.useMotherBirthday + 2 * p.useFatherBirthday + 4 * p.manualCalibration, c.second) << c.first;
    }
}

TEST(ProfileFile, ReadersTakeOnlyTheirKeys)
{
    TempDir dir;
    dir.Write("Work.ini", "Profile:Inside\nName:Sam\nYourMonth:3\nYourDate:7\nYourYear:1970\nMotherMonth:5\n");

    Profile full;
    full.description = "Work";
    ReadProfileFull(dir.dir(), full);
    EXPECT_EQ(full.description, "Inside");
    EXPECT_EQ(full.fullName, "Sam");
    EXPECT_TRUE(full.useMotherBirthday);

    Profile engine;
    ReadProfileForEngine(dir.path("Work.ini"), engine);
    EXPECT_EQ(engine.description, "");
    EXPECT_EQ(engine.motherMonth, 5);

    std::string name = "kept";
    int month = 11, day = 22, year = 1933;
    ReadNameAndBirthDate(dir.dir(), "Missing", name, month, day, year);
    EXPECT_EQ(name + std::to_string(month) + std::to_string(day) + std::to_string(year), "kept11221933");
    dir.Write("Partial.ini", "YourYear:1950\nMotherMonth:5\n");
    ReadNameAndBirthDate(dir.dir(), "Partial", name, month, day, year);
    EXPECT_EQ(name + std::to_string(month) + std::to_string(day) + std::to_string(year), "kept11221950");
    ReadNameAndBirthDate(dir.dir(), "Work", name, month, day, year);
    EXPECT_EQ(name + std::to_string(month) + std::to_string(day) + std::to_string(year), "Sam371970");
}

TEST(ProfileFile, UnreadableInputLeavesDefaults)
{
    TempDir dir;
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise += static_cast<char>(i * 37);
    Profile p;
    for (const std::string& path : {std::string(), dir.path("missing.ini"), dir.dir(), dir.Write("n.ini", noise)})
        ReadProfileForEngine(path, p);
    EXPECT_EQ(p.yourMonth + p.yourDate + p.yourYear, 1902);
    EXPECT_FALSE(p.useMotherBirthday || p.useFatherBirthday || p.manualCalibration);
}

TEST(ProfileFile, WriterProducesTheExactFormat)
{
    TempDir dir;
    Profile work;
    work.description = "Work";
    work.fullName = "Sam Example";
    work.yourMonth = 3, work.yourDate = 7, work.yourYear = 1970;
    work.useMotherBirthday = true;
    work.motherMonth = 5, work.motherDate = 2, work.motherYear = 1945;
    work.fatherYear = 1920;  // group off: not written
    ASSERT_TRUE(WriteProfile(dir.dir(), work));
    EXPECT_EQ(dir.Read("Work.ini"), "Profile:Work\nName:Sam Example\nYourMonth:3\nYourDate:7\nYourYear:1970\n"
                                    "MotherMonth:5\nMotherDate:2\nMotherYear:1945\n");

    Profile all;
    all.description = " All ";
    all.useMotherBirthday = all.useFatherBirthday = all.manualCalibration = true;
    all.fatherMonth = 12, all.badMonth = -4, all.goodDate = 31;
    ASSERT_TRUE(WriteProfile(dir.dir(), all));
    EXPECT_EQ(dir.Read(" All .ini"), "Profile: All \nName:\nYourMonth:1\nYourDate:1\nYourYear:1900\n"
                                     "MotherMonth:1\nMotherDate:1\nMotherYear:1900\n"
                                     "FatherMonth:12\nFatherDate:1\nFatherYear:1900\n"
                                     "BadMonth:-4\nBadDate:1\nBadYear:1900\n"
                                     "GoodMonth:1\nGoodDate:31\nGoodYear:1900\n");
    EXPECT_EQ(dir.EntryCount(), 2);  // no temporary file left behind
}

TEST(ProfileFile, WriterNeverDamagesWhatIsThere)
{
    TempDir dir;
    Profile p;
    p.description = "Me";
    dir.Write("Me.ini", "Name:Old\n");
    chmod(dir.path("Me.ini").c_str(), 0444);
    EXPECT_FALSE(WriteProfile(dir.dir(), p));
    EXPECT_EQ(dir.Read("Me.ini"), "Name:Old\n");

    // Names Windows cannot store, or that would leave the data directory.
    for (const char* bad : {"a/b", "a?b", "..\\up", "x:y", "tab\there", "CON", "lpt1.x", "nul "}) {
        p.description = bad;
        EXPECT_FALSE(WriteProfile(dir.dir(), p)) << bad;
        EXPECT_FALSE(DeleteProfileFile(dir.dir(), bad)) << bad;
    }

    std::filesystem::create_directory(dir.path("Dir.ini"));
    p.description = "Dir";
    EXPECT_FALSE(WriteProfile(dir.dir(), p));
    EXPECT_FALSE(ProfileFileExists(dir.dir(), "Dir"));
    EXPECT_EQ(dir.EntryCount(), 2);  // Me.ini and the directory, no temporary files

    EXPECT_TRUE(ProfileFileExists(dir.dir(), "Me"));
    EXPECT_TRUE(DeleteProfileFile(dir.dir(), "Me"));  // read-only or not
    EXPECT_FALSE(ProfileFileExists(dir.dir(), "Me"));
}

}  // namespace
