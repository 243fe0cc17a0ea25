#pragma once
// Shared pieces of the fuzz targets: the input as a file in a scratch data
// directory of this process, and fuzzed values taken from the input's front.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fuzz {

// A data directory of this process's own, ending in its separator; in
// memory where the system offers it, since every run writes and syncs files.
inline const std::string& ScratchDirectory()
{
    static const std::string dir = [] {
        std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/oracline-fuzz-XXXXXX"
                                                            : "/tmp/oracline-fuzz-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            std::abort();
        static std::string made = pattern;
        std::atexit([] { std::error_code ignored; std::filesystem::remove_all(made, ignored); });
        return pattern + "/";
    }();
    return dir;
}

// Writes the bytes to `name` in the scratch directory; returns its path.
inline std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchDirectory() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

// Takes values from the front of the input; zeros once it is used up.
class Values {
public:
    Values(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    int Int()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | Byte();
        int result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }
    bool Flag() { return Byte() & 1; }
    std::uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
    // What is left of the input, as text.
    std::string Rest() { std::string rest(reinterpret_cast<const char*>(data_ + used_), size_ - used_); used_ = size_; return rest; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

} // namespace fuzz

// A broken promise of the code under test: libFuzzer keeps the input.
#define FUZZ_CHECK(condition) \
    do { if (!(condition)) { std::fprintf(stderr, "check failed: %s\n", #condition); std::abort(); } } while (0)
