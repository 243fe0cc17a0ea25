#include "profiles/ProfileFile.h"

#include "platform/FileOps.h"
#include "base/SafeFileWriter.h"
#include "base/TextLines.h"

#include <cstring>

namespace {

// The three readers, as bits of a key's `readers` set.
enum Reader {
    kEditor = 1,       // full reader: every key
    kEngineLoader = 2, // the engine: "Name:" and the dates
    kShortReader = 4,  // the main window: name and own birth date only
};

const int kAllReaders = kEditor | kEngineLoader | kShortReader;
const int kEditorAndEngine = kEditor | kEngineLoader;

enum class Target { Text, Date };

struct Key {
    const char* name;
    int readers;
    Target kind;
    std::string Profile::*text;
    int Profile::*date;
    bool Profile::*flag;  // turned on by a value of this key, if any
};

// In the order the keys are tried; the first match decides.
const Key kKeys[] = {
    {"Profile:", kEditor, Target::Text, &Profile::description, nullptr, nullptr},
    {"Name:", kAllReaders, Target::Text, &Profile::fullName, nullptr, nullptr},
    {"YourMonth:", kAllReaders, Target::Date, nullptr, &Profile::yourMonth, nullptr},
    {"YourDate:", kAllReaders, Target::Date, nullptr, &Profile::yourDate, nullptr},
    {"YourYear:", kAllReaders, Target::Date, nullptr, &Profile::yourYear, nullptr},
    {"MotherMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::motherMonth, &Profile::useMotherBirthday},
    {"MotherDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::motherDate, nullptr},
    {"MotherYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::motherYear, nullptr},
    {"FatherMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::fatherMonth, &Profile::useFatherBirthday},
    {"FatherDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::fatherDate, nullptr},
    {"FatherYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::fatherYear, nullptr},
    {"BadMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::badMonth, &Profile::manualCalibration},
    {"BadDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::badDate, nullptr},
    {"BadYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::badYear, nullptr},
    {"GoodMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::goodMonth, nullptr},
    {"GoodDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::goodDate, nullptr},
    {"GoodYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::goodYear, nullptr},
};

void ApplyLine(const std::string& line, Reader reader, Profile& profile)
{
    if (line.empty())
        return;
    for (const Key& key : kKeys) {
        // The first byte rules out most keys before a full comparison.
        if (line[0] != key.name[0] || !StartsWithKey(line, key.name))
            continue;
        if (!(key.readers & reader))
            return;
        const std::size_t keyLength = std::strlen(key.name);
        if (key.kind == Target::Text) {
            profile.*key.text = line.substr(keyLength);
        } else if (line.size() > keyLength) {
            // An empty value keeps what the record had; letters give 0.
            profile.*key.date = LeadingInteger(line, keyLength);
            if (key.flag)
                profile.*key.flag = true;
        }
        return;
    }
}

void ReadKeys(const std::string& path, Reader reader, Profile& profile)
{
    if (path.empty())
        return;
    ForEachLine(path, [&](const std::string& line) { ApplyLine(line, reader, profile); });
}

void AppendText(std::string& out, const char* key, const std::string& value)
{
    // "%s" semantics: a value ends at its first NUL.
    out += key;
    out += value.c_str();
    out += '\n';
}

void AppendNumber(std::string& out, const char* key, int value)
{
    out += key;
    out += std::to_string(value);
    out += '\n';
}

}  // namespace

std::string ProfileFilePath(const std::string& dataDirectory, const std::string& description)
{
    return dataDirectory + description + ".ini";
}

void ReadProfileFull(const std::string& dataDirectory, Profile& profile)
{
    if (!IsStorableDescription(profile.description))
        return;
    ReadKeys(ProfileFilePath(dataDirectory, profile.description), kEditor, profile);
}

void ReadProfileForEngine(const std::string& path, Profile& profile)
{
    ReadKeys(path, kEngineLoader, profile);
}

void ReadNameAndBirthDate(const std::string& dataDirectory, const std::string& description,
                          std::string& fullName, CivilDate& birthday)
{
    if (!IsStorableDescription(description))
        return;
    Profile profile;
    profile.fullName = fullName;
    profile.yourMonth = birthday.month;
    profile.yourDate = birthday.day;
    profile.yourYear = birthday.year;
    ReadKeys(ProfileFilePath(dataDirectory, description), kShortReader, profile);
    fullName = profile.fullName;
    birthday = profile.Birthday();
}

bool ProfileFileExists(const std::string& dataDirectory, const std::string& description)
{
    return IsStorableDescription(description) &&
           CanOpenForReading(ProfileFilePath(dataDirectory, description));
}

bool WriteProfile(const std::string& dataDirectory, const Profile& profile)
{
    if (!IsStorableDescription(profile.description) || !IsStorableText(profile.fullName))
        return false;

    std::string text;
    AppendText(text, "Profile:", profile.description);
    AppendText(text, "Name:", profile.fullName);
    AppendNumber(text, "YourMonth:", profile.yourMonth);
    AppendNumber(text, "YourDate:", profile.yourDate);
    AppendNumber(text, "YourYear:", profile.yourYear);
    if (profile.useMotherBirthday) {
        AppendNumber(text, "MotherMonth:", profile.motherMonth);
        AppendNumber(text, "MotherDate:", profile.motherDate);
        AppendNumber(text, "MotherYear:", profile.motherYear);
    }
    if (profile.useFatherBirthday) {
        AppendNumber(text, "FatherMonth:", profile.fatherMonth);
        AppendNumber(text, "FatherDate:", profile.fatherDate);
        AppendNumber(text, "FatherYear:", profile.fatherYear);
    }
    // The bad day comes first: its month is what marks manual calibration.
    if (profile.manualCalibration) {
        AppendNumber(text, "BadMonth:", profile.badMonth);
        AppendNumber(text, "BadDate:", profile.badDate);
        AppendNumber(text, "BadYear:", profile.badYear);
        AppendNumber(text, "GoodMonth:", profile.goodMonth);
        AppendNumber(text, "GoodDate:", profile.goodDate);
        AppendNumber(text, "GoodYear:", profile.goodYear);
    }
    return WriteTextFileSafely(ProfileFilePath(dataDirectory, profile.description), text);
}

bool DeleteProfileFile(const std::string& dataDirectory, const std::string& description)
{
    if (!IsStorableDescription(description))
        return false;
    // Deleting does not ask, so the file stays recoverable where it can.
    const std::string path = ProfileFilePath(dataDirectory, description);
    return MoveToRecycleBin(path) || RemoveFileForced(path);
}
