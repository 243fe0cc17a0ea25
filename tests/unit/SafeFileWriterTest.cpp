#include "base/SafeFileWriter.h"
#include "platform/FileOps.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(SafeFileWriter, NeverOpensWhatIsAlreadyThere)
{
    TempDir dir, outside;
    outside.Write("victim", "keep");
    // A leftover link or file under the temporary name is refused, not reused.
    ASSERT_EQ(symlink(outside.path("victim").c_str(), dir.path("t.tmp").c_str()), 0);
    ASSERT_EQ(symlink(outside.path("missing").c_str(), dir.path("dangling").c_str()), 0);
    dir.Write("plain", "old");
    for (const char* name : {"t.tmp", "dangling", "plain"})
        EXPECT_EQ(WriteNewFileDurably(dir.path(name), "new", ""), NewFile::NameTaken) << name;
    EXPECT_EQ(outside.Read("victim"), "keep");
    EXPECT_EQ(outside.EntryCount(), 1);
    EXPECT_EQ(dir.Read("plain"), "old");
}

TEST(SafeFileWriter, ReplacementKeepsThePermissions)
{
    TempDir dir;
    dir.Write("shared.ini", "old");
    chmod(dir.path("shared.ini").c_str(), 0664);
    dir.Write("private.ini", "old");
    chmod(dir.path("private.ini").c_str(), 0600);
    for (const auto& [name, mode] : {std::pair{"shared.ini", 0664}, std::pair{"private.ini", 0600}}) {
        ASSERT_TRUE(WriteTextFileSafely(dir.path(name), "new\n"));
        struct stat st;
        ASSERT_EQ(stat(dir.path(name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, static_cast<mode_t>(mode)) << name;
        EXPECT_EQ(dir.Read(name), "new\n");
    }
    EXPECT_EQ(dir.EntryCount(), 2);
}

TEST(SafeFileWriter, WritersAtOnceLeaveOneWholeVersion)
{
    TempDir dir;
    const std::string target = dir.path("oc.ini");
    const std::string versions[] = {std::string(20000, 'a') + "\n", std::string(30000, 'b') + "\n"};
    WriteTextFileSafely(target, versions[0]);
    std::atomic<bool> failed{false};
    std::atomic<int> done{0};
    auto writer = [&](const std::string& text) {
        for (int i = 0; i < 150; ++i)
            if (!WriteTextFileSafely(target, text))
                failed = true;
        ++done;
    };
    std::thread a(writer, versions[0]), b(writer, versions[1]);
    // A reader in between only ever sees a complete version.
    while (done < 2) {
        const std::string seen = dir.Read("oc.ini");
        if (seen != versions[0] && seen != versions[1])
            failed = true;
    }
    a.join();
    b.join();
    EXPECT_FALSE(failed);
    EXPECT_EQ(dir.EntryCount(), 1);  // no temporary file left behind
}

}  // namespace
