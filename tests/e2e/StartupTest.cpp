// Start-up on the normal 1024 x 768 screen of the test run.
#include "driver/Driver.h"
#include "driver/StartupChecks.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const std::string kScriptsKey = "SOFTWARE\\Microsoft\\Internet Explorer\\International\\Scripts\\3";
const std::string kCodePageKey = "SOFTWARE\\Microsoft\\Internet Explorer\\International\\1252";
const std::string kMediumSize("\x02\x00\x00\x00", 4);

class Startup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetDataDirectory();
        DeleteRegistryTree(kScriptsKey);
        DeleteRegistryTree(kCodePageKey);
    }
    void TearDown() override
    {
        DeleteRegistryTree(kScriptsKey);
        DeleteRegistryTree(kCodePageKey);
    }

    void StartAndFinish()
    {
        ProgramRun run;
        ExpectAcceptedStart(run);
        run.Kill();
    }
};

} // namespace

TEST_F(Startup, CreatesTheDataAndReportsDirectories)
{
    ASSERT_FALSE(DirectoryExists(DataDirectory()));
    StartAndFinish();
    EXPECT_TRUE(DirectoryExists("C:\\Program Files\\"));
    EXPECT_TRUE(DirectoryExists(DataDirectory()));
    EXPECT_TRUE(DirectoryExists(DataDirectory() + "Reports\\"));
}

TEST_F(Startup, BrowserFontSizeGoesIntoWhicheverKeyExists)
{
    struct Case {
        bool scripts;
        bool codePage;
        std::string expectedScripts;
        std::string expectedCodePage;
    };
    const Case cases[] = {
        {true, false, kMediumSize, ""},
        {false, true, "", kMediumSize},
        // The first key wins; the second stays as it was.
        {true, true, kMediumSize, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.scripts) CreateRegistryKey(kScriptsKey);
        if (c.codePage) CreateRegistryKey(kCodePageKey);
        StartAndFinish();
        EXPECT_EQ(RegistryValueBytes(kScriptsKey, "IEFontSize"), c.expectedScripts)
            << "scripts key " << c.scripts << ", code page key " << c.codePage;
        EXPECT_EQ(RegistryValueBytes(kCodePageKey, "IEFontSize"), c.expectedCodePage)
            << "scripts key " << c.scripts << ", code page key " << c.codePage;
    }
}

TEST_F(Startup, NoBrowserKeyIsCreatedWhenNeitherExists)
{
    StartAndFinish();
    EXPECT_FALSE(RegistryKeyExists(kScriptsKey));
    EXPECT_FALSE(RegistryKeyExists(kCodePageKey));
}

TEST_F(Startup, LaterWindowsVersionsAreAccepted)
{
    for (const char* version : {"win98", "win2k", "winxp", "win7"}) {
        ReportedWindowsVersion reported(version);
        ProgramRun run;
        SCOPED_TRACE(version);
        ExpectAcceptedStart(run);
    }
}

TEST_F(Startup, Windows95IsRefused)
{
    ReportedWindowsVersion version("win95");
    ProgramRun run;
    ExpectWindows95Refusal(run);
}
