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
    // The flag of the optional date the key belongs to: the key is written
    // only while it is on, and its first key's value turns it on. Null for
    // the keys every file holds.
    bool Profile::*group;
    bool marksGroup;
};

// In the order the keys are tried, which is also the order they are
// written in; the first match decides. The bad day comes before the good
// day: its month is what marks manual calibration.
const Key kKeys[] = {
    {"Profile:", kEditor, Target::Text, &Profile::description, nullptr, nullptr, false},
    {"Name:", kAllReaders, Target::Text, &Profile::fullName, nullptr, nullptr, false},
    {"YourMonth:", kAllReaders, Target::Date, nullptr, &Profile::yourMonth, nullptr, false},
    {"YourDate:", kAllReaders, Target::Date, nullptr, &Profile::yourDate, nullptr, false},
    {"YourYear:", kAllReaders, Target::Date, nullptr, &Profile::yourYear, nullptr, false},
    {"MotherMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::motherMonth, &Profile::useMotherBirthday, true},
    {"MotherDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::motherDate, &Profile::useMotherBirthday, false},
    {"MotherYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::motherYear, &Profile::useMotherBirthday, false},
    {"FatherMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::fatherMonth, &Profile::useFatherBirthday, true},
    {"FatherDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::fatherDate, &Profile::useFatherBirthday, false},
    {"FatherYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::fatherYear, &Profile::useFatherBirthday, false},
    {"BadMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::badMonth, &Profile::manualCalibration, true},
    {"BadDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::badDate, &Profile::manualCalibration, false},
    {"BadYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::badYear, &Profile::manualCalibration, false},
    {"GoodMonth:", kEditorAndEngine, Target::Date, nullptr, &Profile::goodMonth, &Profile::manualCalibration, false},
    {"GoodDate:", kEditorAndEngine, Target::Date, nullptr, &Profile::goodDate, &Profile::manualCalibration, false},
    {"GoodYear:", kEditorAndEngine, Target::Date, nullptr, &Profile::goodYear, &Profile::manualCalibration, false},
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
            // A name is taken as the file holds it, whatever its length or
            // characters: the readings are that name's. The places that show
            // it make it fit (ShownText); only the writers keep to the
            // editor's rules.
            profile.*key.text = line.substr(keyLength);
        } else if (line.size() > keyLength) {
            // An empty value keeps what the record had; letters give 0.
            profile.*key.date = LeadingInteger(line, keyLength);
            if (key.marksGroup)
                profile.*key.group = true;
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

// "%s" semantics for text: a value ends at its first NUL. Numbers in
// decimal, without leading zeros.
std::string KeyLines(const Profile& profile)
{
    std::string text;
    for (const Key& key : kKeys) {
        if (key.group && !(profile.*key.group))
            continue;
        text += key.name;
        text += key.kind == Target::Text ? std::string((profile.*key.text).c_str())
                                         : std::to_string(profile.*key.date);
        text += '\n';
    }
    return text;
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

void ReadProfileTextForEngine(const std::string& bytes, Profile& profile)
{
    ForEachLineIn(bytes, [&](const std::string& line) { ApplyLine(line, kEngineLoader, profile); });
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

    return WriteTextFileSafely(ProfileFilePath(dataDirectory, profile.description), KeyLines(profile));
}

bool DeleteProfileFile(const std::string& dataDirectory, const std::string& description)
{
    if (!IsStorableDescription(description))
        return false;
    // Deleting does not ask, so the file stays recoverable where it can.
    const std::string path = ProfileFilePath(dataDirectory, description);
    return MoveToRecycleBin(path) || RemoveFileForced(path);
}
