#include "profiles/ProfileIndex.h"

#include "base/SafeFileWriter.h"
#include "profiles/DescriptionRules.h"
#include "base/TextLines.h"

#include <cstring>

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

}  // namespace

ProfileIndexEntry IndexEntryOf(const Profile& profile)
{
    return {profile.fullName, profile.description, profile.manualCalibration ? "Manual" : "Automatic"};
}

std::string ProfileIndexPath(const std::string& dataDirectory)
{
    return dataDirectory + "oc.ini";
}

std::vector<ProfileIndexEntry> ReadProfileIndex(const std::string& dataDirectory)
{
    std::vector<ProfileIndexEntry> entries;
    // Deliberately never reset between entries: a row with a missing line
    // inherits the previous row's value, as the list always did.
    ProfileIndexEntry running;
    ForEachLine(ProfileIndexPath(dataDirectory), [&](const std::string& line) {
        if (StartsWithKey(line, kFullNameKey)) {
            running.fullName = ValueAfter(line, kFullNameKey);
        } else if (StartsWithKey(line, kDescriptionKey)) {
            running.description = ValueAfter(line, kDescriptionKey);
        } else if (StartsWithKey(line, kCalibrationKey)) {
            running.calibration = ValueAfter(line, kCalibrationKey);
            if (entries.size() < kMaxIndexRows && IsSoundEntry(running))
                entries.push_back(running);
        }
    });
    return entries;
}

bool WriteProfileIndex(const std::string& dataDirectory,
                       const std::vector<ProfileIndexEntry>& entries)
{
    std::string text;
    for (const ProfileIndexEntry& entry : entries) {
        if (!IsSoundEntry(entry))
            continue;
        AppendLine(text, kFullNameKey, entry.fullName);
        AppendLine(text, kDescriptionKey, entry.description);
        AppendLine(text, kCalibrationKey, entry.calibration);
    }
    return WriteTextFileSafely(ProfileIndexPath(dataDirectory), text);
}

bool ProfileIndexExists(const std::string& dataDirectory)
{
    return CanOpenForReading(ProfileIndexPath(dataDirectory));
}
