// Start-up on the normal 1024 x 768 screen of the test run.
#include "driver/Driver.h"
#include "driver/StartupChecks.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

const std::string kScriptsKey = "SOFTWARE\\Microsoft\\Internet Explorer\\International\\Scripts\\3";
const std::string kCodePageKey = "SOFTWARE\\Microsoft\\Internet Explorer\\International\\1252";
const std::string kMediumSize("\x02\x00\x00\x00", 4);

void ClearBrowserKeys()
{
    DeleteRegistryTree(kScriptsKey);
    DeleteRegistryTree(kCodePageKey);
}

void StartAndFinish()
{
    ProgramRun run;
    ExpectAcceptedStart(run);
}

} // namespace

// A first start makes the folders and no browser key; with both keys only
// the first takes the font size, with the second alone that one does.
TEST(Startup, CreatesTheFoldersAndSetsTheBrowserFontInTheFirstKeyThatExists)
{
    ResetDataDirectory();
    ClearBrowserKeys();
    ASSERT_FALSE(DirectoryExists(DataDirectory()));
    StartAndFinish();
    EXPECT_TRUE(DirectoryExists(DataDirectory() + "Reports\\"));
    EXPECT_FALSE(RegistryKeyExists(kScriptsKey) || RegistryKeyExists(kCodePageKey));

    for (bool both : {true, false}) {
        SCOPED_TRACE(both ? "both keys" : "the code page key alone");
        ResetDataDirectory();
        ClearBrowserKeys();
        if (both)
            CreateRegistryKey(kScriptsKey);
        CreateRegistryKey(kCodePageKey);
        StartAndFinish();
        EXPECT_EQ(RegistryValueBytes(kScriptsKey, "IEFontSize"), both ? kMediumSize : "");
        EXPECT_EQ(RegistryValueBytes(kCodePageKey, "IEFontSize"), both ? "" : kMediumSize);
    }
    ClearBrowserKeys();
}
