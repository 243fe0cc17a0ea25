#pragma once
// Shared pieces of the fuzz targets: the input as a file in a scratch data
// directory of this process, and fuzzed values (libFuzzer's provider).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <unistd.h>

// A broken promise of the code under test: libFuzzer keeps the input.
#define FUZZ_CHECK(condition) \
    do { if (!(condition)) { std::fprintf(stderr, "check failed: %s\n", #condition); std::abort(); } } while (0)

namespace fuzz {

// Ends in its separator; in memory, since every run writes and syncs files.
// Removed when the fuzzer ends.
inline const std::string& ScratchDirectory()
{
    static const std::string dir = "/dev/shm/oracline-fuzz-" + std::to_string(getpid()) + "/";
    static const bool made = [] {
        std::filesystem::create_directory(dir);
        std::atexit([] { std::filesystem::remove_all(dir); });
        return std::filesystem::is_directory(dir);
    }();
    FUZZ_CHECK(made);
    return dir;
}

// Readers of one kind of input share a target: the first byte picks the
// reader and the rest is its input, so a seed for the second reader begins
// with '1'. The fuzzer's length limit counts that byte too.
inline int Dispatch(const std::uint8_t* data, std::size_t size,
                    std::initializer_list<void (*)(const std::string& input)> readers)
{
    if (size > 0)
        readers.begin()[static_cast<std::uint8_t>(data[0] - '0') % readers.size()](
            std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}

inline std::string WriteScratchFile(const std::string& name, const std::string& bytes)
{
    const std::string path = ScratchDirectory() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fclose(file) == 0);
    return path;
}

} // namespace fuzz
