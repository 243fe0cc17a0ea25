// How long one Daily Analysis takes, and how much of that is the file read.
#include "profiles/ProfileFileReadings.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A manual-calibration profile with both parents: every key is read.
const char kProfileText[] =
    "Profile:Bench\nName:Jane Doe\nYourMonth:7\nYourDate:15\nYourYear:1970\n"
    "MotherMonth:5\nMotherDate:2\nMotherYear:1945\nFatherMonth:3\nFatherDate:9\nFatherYear:1941\n"
    "BadMonth:2\nBadDate:13\nBadYear:1999\nGoodMonth:8\nGoodDate:21\nGoodYear:2001\n";

class ProfileOnDisk {
public:
    ProfileOnDisk()
    {
        char pattern[] = "/tmp/oracline-bench-XXXXXX";
        int fd = mkstemp(pattern);
        if (fd < 0)
            std::abort();
        path_ = pattern;
        if (write(fd, kProfileText, sizeof kProfileText - 1) != static_cast<ssize_t>(sizeof kProfileText - 1))
            std::abort();
        close(fd);
    }
    ~ProfileOnDisk() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const ProfileOnDisk& TheProfile()
{
    static ProfileOnDisk profile;
    return profile;
}

void BM_ComputeDailySet(benchmark::State& state)
{
    const std::string& path = TheProfile().path();
    DailyReadingSet set;
    for (auto _ : state) {
        ComputeDailySetOfFile(path, CivilDate{2005, 9, 9}, set);
        benchmark::DoNotOptimize(set);
    }
}
BENCHMARK(BM_ComputeDailySet);

void BM_ComputeLoadedProfile(benchmark::State& state)
{
    const Profile loaded = LoadProfile(TheProfile().path());
    DailyReadingSet set;
    for (auto _ : state) {
        // Numbers, title, five readings and five lines; no file access.
        ComputeDailySet(loaded, CivilDate{2005, 9, 9}, set);
        benchmark::DoNotOptimize(set);
    }
}
BENCHMARK(BM_ComputeLoadedProfile);

// The floor: what opening and reading the same file costs with no parsing.
void BM_BareFileRead(benchmark::State& state)
{
    const std::string& path = TheProfile().path();
    char buffer[500];
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "r");
        int lines = 0;
        while (std::fgets(buffer, sizeof buffer, file))
            ++lines;
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_BareFileRead);

}  // namespace

BENCHMARK_MAIN();
