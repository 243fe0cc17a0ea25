#include "base/SafeFileWriter.h"

#include "base/TextLines.h"
#include "platform/FileOps.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

// Tries enough names that only a folder we cannot create files in runs out.
const int kNameAttempts = 100;

// Temporary names are the target's name, a dot, this many lower-case hex
// digits and this ending.
const std::size_t kSuffixDigits = 12;
const char* const kTempEnding = ".tmp";

// A write holds its temporary file for well under a second; one that is
// older than this belongs to a writer that is gone.
const long long kStaleSeconds = 10 * 60;

std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Differs between processes even where random_device is deterministic, so
// two programs writing the same file rarely even try the same name; the
// exclusive creation keeps them apart when they do.
std::uint64_t ProcessSeed()
{
    static const std::uint64_t seed = [] {
        std::uint64_t value = std::random_device{}();
        value = Mix(value ^ static_cast<std::uint64_t>(
                                std::chrono::high_resolution_clock::now().time_since_epoch().count()));
        int local = 0;
        return Mix(value ^ reinterpret_cast<std::uintptr_t>(&local));
    }();
    return seed;
}

} // namespace

std::string FreshTempName(const std::string& target)
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t value = Mix(ProcessSeed() + counter++);
    static const char hex[] = "0123456789abcdef";
    std::string suffix(kSuffixDigits, '0');
    for (char& c : suffix) {
        c = hex[value & 15];
        value >>= 4;
    }
    return target + "." + suffix + kTempEnding;
}

bool IsTempName(const std::string& name)
{
    const std::string ending = kTempEnding;
    const std::size_t tail = 1 + kSuffixDigits + ending.size();
    if (name.size() <= tail || name.compare(name.size() - ending.size(), ending.size(), ending) != 0)
        return false;
    const std::size_t dot = name.size() - tail;
    if (name[dot] != '.')
        return false;
    for (std::size_t i = dot + 1; i < dot + 1 + kSuffixDigits; ++i)
        if (!((name[i] >= '0' && name[i] <= '9') || (name[i] >= 'a' && name[i] <= 'f')))
            return false;
    return true;
}

DiskForm DiskFormOf(const std::string& text)
{
    const auto limit = static_cast<std::size_t>(kMaxDataFileBytes);
    if (TextFileBytes(text) <= limit)
        return DiskForm::crLf;
    return text.size() <= limit ? DiskForm::lineFeed : DiskForm::tooLarge;
}

LineEnds LineEndsOf(DiskForm form)
{
    return form == DiskForm::crLf ? LineEnds::textMode : LineEnds::lineFeed;
}

bool WriteTextFileSafely(const std::string& target, const std::string& text)
{
    // Truncating in place would have refused a read-only file; a rename does
    // not ask, so the refusal has to be explicit. A file no reader would take
    // back would lose everything it holds at the next reading.
    const DiskForm form = DiskFormOf(text);
    if (IsReadOnlyFile(target) || form == DiskForm::tooLarge)
        return false;
    const LineEnds lineEnds = LineEndsOf(form);

    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temp = FreshTempName(target);
        switch (WriteNewFileDurably(temp, text, target, lineEnds)) {
        case NewFile::NameTaken:
            continue;
        case NewFile::Written:
            if (MoveFileOver(temp, target))
                return true;
            RemoveFileForced(temp);
            return false;
        case NewFile::Failed:
            return false;
        }
    }
    return false;
}

void RemoveStaleTemporaryFiles(const std::string& directory)
{
    for (const std::string& name : ListFiles(directory)) {
        long long age = 0;
        const std::string path = directory + name;
        if (IsTempName(name) && SecondsSinceWritten(path, age) && age > kStaleSeconds)
            std::remove(path.c_str());
    }
}
