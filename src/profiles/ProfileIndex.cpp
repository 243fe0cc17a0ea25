#include "profiles/ProfileIndex.h"

#include "base/AsciiText.h"
#include "base/SafeFileWriter.h"
#include "profiles/DescriptionRules.h"
#include "base/TextLines.h"
#include "platform/FileOps.h"

#include <cstring>

std::string ProfileIndexPath(const std::string& dataDirectory)
{
    return dataDirectory + "oc.ini";
}

namespace {

const char kFullNameKey[] = "Profile:";
const char kDescriptionKey[] = "Description:";
const char kCalibrationKey[] = "Adjustment:";

std::string ValueAfter(const std::string& line, const char* key)
{
    return line.substr(std::strlen(key));
}

void AppendLine(std::string& out, const char* key, const std::string& value)
{
    out += key;
    out += value.c_str();  // "%s": a value ends at its first NUL
    out += '\n';
}

bool IsSoundEntry(const ProfileIndexEntry& entry)
{
    return IsStorableDescription(entry.description) && IsStorableText(entry.fullName) &&
           IsStorableText(entry.calibration);
}

std::string FormatIndex(const std::vector<ProfileIndexEntry>& entries)
{
    std::string text;
    for (const ProfileIndexEntry& entry : entries) {
        if (!IsSoundEntry(entry))
            continue;
        AppendLine(text, kFullNameKey, entry.fullName);
        AppendLine(text, kDescriptionKey, entry.description);
        AppendLine(text, kCalibrationKey, entry.calibration);
    }
    return text;
}

// False when the index is there but could not be read.
bool ReadIndexRows(const std::string& dataDirectory, std::vector<ProfileIndexEntry>& entries)
{
    entries.clear();
    // Deliberately never reset between entries: a row with a missing line
    // inherits the previous row's value, as the list always did.
    ProfileIndexEntry running;
    // Inherited lines are written out in full, so a short file can stand for
    // a long list; rows beyond what the writer could put back are left out,
    // or no change, a deletion included, could ever be saved.
    std::size_t formatted = 0;
    bool full = false;
    const std::string path = ProfileIndexPath(dataDirectory);
    const bool read = ForEachLine(path, [&](const std::string& line) {
        if (StartsWithKey(line, kFullNameKey)) {
            running.fullName = ValueAfter(line, kFullNameKey);
        } else if (StartsWithKey(line, kDescriptionKey)) {
            running.description = ValueAfter(line, kDescriptionKey);
        } else if (StartsWithKey(line, kCalibrationKey)) {
            running.calibration = ValueAfter(line, kCalibrationKey);
            if (full || entries.size() == kMaxIndexRows || !IsSoundEntry(running))
                return;
            formatted += FormatIndex({running}).size();
            full = formatted > static_cast<std::size_t>(kMaxDataFileBytes);
            if (!full)
                entries.push_back(running);
        }
    });
    return read || IsMissingFile(path);
}

}  // namespace

ProfileIndexEntry IndexEntryOf(const Profile& profile)
{
    return {profile.fullName, profile.description, profile.manualCalibration ? "Manual" : "Automatic"};
}

std::vector<ProfileIndexEntry> ReadProfileIndex(const std::string& dataDirectory)
{
    std::vector<ProfileIndexEntry> entries;
    ReadIndexRows(dataDirectory, entries);
    return entries;
}

bool WriteProfileIndex(const std::string& dataDirectory,
                       const std::vector<ProfileIndexEntry>& entries)
{
    return WriteTextFileSafely(ProfileIndexPath(dataDirectory), FormatIndex(entries));
}

bool ProfileIndexExists(const std::string& dataDirectory)
{
    return CanOpenForReading(ProfileIndexPath(dataDirectory));
}

int RowOfSameFile(const std::vector<ProfileIndexEntry>& rows, const std::string& description)
{
    const std::string wanted = LowerAscii(description);
    for (size_t row = 0; row < rows.size(); ++row)
        if (LowerAscii(rows[row].description) == wanted)
            return static_cast<int>(row);
    return -1;
}

void ApplyIndexChange(std::vector<ProfileIndexEntry>& rows, const IndexChange& change)
{
    if (change.kind == IndexChange::Kind::remove) {
        for (int row; (row = RowOfSameFile(rows, change.entry.description)) >= 0;)
            rows.erase(rows.begin() + row);
        return;
    }
    const int row = RowOfSameFile(rows, change.entry.description);
    if (row >= 0)
        rows[static_cast<std::size_t>(row)] = change.entry;
    else
        rows.push_back(change.entry);
}

bool UpdateProfileIndex(const std::string& dataDirectory, const std::vector<IndexChange>& changes)
{
    std::vector<ProfileIndexEntry> rows;
    if (!ReadIndexRows(dataDirectory, rows))
        return false;
    for (const IndexChange& change : changes)
        ApplyIndexChange(rows, change);
    return WriteProfileIndex(dataDirectory, rows);
}

bool IndexHasRoom(const std::vector<ProfileIndexEntry>& rows)
{
    // Four bytes are the most a UTF-8 character takes.
    static const std::size_t longestRow = [] {
        std::string longest;
        for (std::size_t i = 0; i < kMaxProfileText; ++i)
            longest += "\U0001F600";
        return TextFileBytes(FormatIndex({{longest, longest, "Automatic"}}));
    }();
    return rows.size() < kMaxIndexRows &&
           TextFileBytes(FormatIndex(rows)) + longestRow <= static_cast<std::size_t>(kMaxDataFileBytes);
}
