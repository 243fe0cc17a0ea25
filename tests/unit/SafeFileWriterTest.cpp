#include "base/SafeFileWriter.h"
#include "platform/FileOps.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(SafeFileWriter, NeverFollowsWhatIsThereAndKeepsPermissions)
{
    TempDir dir, outside;
    outside.Write("victim", "keep");
    ASSERT_EQ(symlink(outside.path("victim").c_str(), dir.path("link").c_str()), 0);
    ASSERT_EQ(symlink(outside.path("missing").c_str(), dir.path("dangling").c_str()), 0);
    for (const char* name : {"link", "dangling"})
        EXPECT_EQ(WriteNewFileDurably(dir.path(name), "new", ""), NewFile::NameTaken) << name;
    EXPECT_EQ(outside.Read("victim"), "keep");
    EXPECT_EQ(outside.EntryCount(), 1);

    chmod(dir.Write("private.ini", "old").c_str(), 0600);
    struct stat st;
    ASSERT_TRUE(WriteTextFileSafely(dir.path("private.ini"), "new\n") && stat(dir.path("private.ini").c_str(), &st) == 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST(SafeFileWriter, WritersAtOnceLeaveOneWholeVersion)
{
    TempDir dir;
    const std::string a(20000, 'a'), b(30000, 'b');
    WriteTextFileSafely(dir.path("oc.ini"), a);
    std::atomic<int> failures{0}, done{0};
    auto writer = [&](const std::string& text) {
        for (int i = 0; i < 150; ++i)
            failures += !WriteTextFileSafely(dir.path("oc.ini"), text);
        ++done;
    };
    std::thread first(writer, a), second(writer, b);
    for (std::string seen; done < 2; failures += seen != a && seen != b)  // a reader in between
        seen = dir.Read("oc.ini");
    first.join();
    second.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(dir.EntryCount(), 1);  // no temporary file left behind
}

}  // namespace
