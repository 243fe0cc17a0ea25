// The readers and writers of the data folder's small files on any bytes, one
// per run, picked by the first byte. (The delivery log has a target of its
// own: its large seeds would slow the others down.)
#include "FuzzInput.h"

#include "base/TextLines.h"
#include "composer/Contacts.h"
#include "platform/FileOps.h"
#include "profiles/DescriptionRules.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileIndex.h"
#include "schedule/ScheduleRecord.h"

#include <cstring>
#include <regex>
#include <utility>
#include <vector>

namespace {

// The five date groups (own birthday, mother, father, good and bad day),
// each with the switch that makes it count.
std::vector<std::pair<bool, CivilDate>> DateGroups(const Profile& p)
{
    return {{true, p.Birthday()},
            {p.useMotherBirthday, {p.motherYear, p.motherMonth, p.motherDate}},
            {p.useFatherBirthday, {p.fatherYear, p.fatherMonth, p.fatherDate}},
            {p.manualCalibration, {p.goodYear, p.goodMonth, p.goodDate}},
            {p.manualCalibration, {p.badYear, p.badMonth, p.badDate}}};
}

// The three readers of a profile file: no flag without its marker key, and
// the engine's reader takes the editor's dates. What the editor read and
// saves under its description is read back as it was, for every group that
// counts.
void ProfileReaders(const std::string& text)
{
    const std::string path = fuzz::WriteScratchFile("Fuzzed.ini", text);
    Profile full, engine;
    full.description = "Fuzzed";
    ReadProfileFull(fuzz::ScratchDirectory(), full);
    ReadProfileForEngine(path, engine);
    FUZZ_CHECK(!engine.useMotherBirthday || text.find("MotherMonth:") != std::string::npos);
    FUZZ_CHECK(!engine.manualCalibration || text.find("BadMonth:") != std::string::npos);
    FUZZ_CHECK(DateGroups(engine) == DateGroups(full) && engine.fullName == full.fullName);
    std::string name;
    CivilDate birthday;
    ReadNameAndBirthDate(fuzz::ScratchDirectory(), "Fuzzed", name, birthday);
    FUZZ_CHECK(birthday == full.Birthday() && name == full.fullName);

    static const std::string saved = fuzz::ScratchDirectory() + "saved/";
    std::filesystem::create_directory(saved);
    if (!WriteProfile(saved, full))
        return;
    Profile again;
    again.description = full.description;
    ReadProfileFull(saved, again);
    FUZZ_CHECK(again.fullName == full.fullName);
    const auto before = DateGroups(full), after = DateGroups(again);
    for (std::size_t i = 0; i < before.size(); ++i)
        FUZZ_CHECK(after[i].first == before[i].first && (!before[i].first || after[i].second == before[i].second));
    FUZZ_CHECK(DeleteProfileFile(saved, full.description));
}

// Each input is tried as it is and with every line feed a CR LF, as Windows
// writes it.
template <void (*roundTrip)(const std::string&)>
void WithBothLineEnds(const std::string& text)
{
    std::string crLf;
    for (char c : text)
        crLf += c == '\n' ? "\r\n" : std::string(1, c);
    roundTrip(text);
    roundTrip(crLf);
}

// Every row of the index that was read is written back and read again
// unchanged, whatever the file's line ends and however its rows repeat each
// other; while there is room, a row of the longest texts is added too.
void IndexRoundTrip(const std::string& text)
{
    fuzz::WriteScratchFile("oc.ini", text);
    std::vector<ProfileIndexEntry> entries = ReadProfileIndex(fuzz::ScratchDirectory());
    if (IndexHasRoom(entries))
        entries.push_back({std::string(kMaxProfileText, 'n'), std::string(kMaxProfileText, 'd'), "Automatic"});
    FUZZ_CHECK(WriteProfileIndex(fuzz::ScratchDirectory(), entries));
    const std::vector<ProfileIndexEntry> again = ReadProfileIndex(fuzz::ScratchDirectory());
    FUZZ_CHECK(again.size() == entries.size());
    for (std::size_t i = 0; i < again.size(); ++i)
        FUZZ_CHECK(again[i].fullName == entries[i].fullName && again[i].description == entries[i].description &&
                   again[i].calibration == entries[i].calibration);
}

// What the description rules accept never names a device, one of the
// program's own files, an 8.3 alias or a path (judged here apart from the
// rules), and the writer then makes exactly "<description>.ini" in the data
// directory and nothing else.
void DescriptionRules(const std::string& description)
{
    if (!IsStorableDescription(description))
        return;
    static const std::regex taken("(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|(COM|LPT)([1-9]|\xC2[\xB9\xB2\xB3])) *(\\..*)?|OC|CONTACTS",
                                  std::regex::icase);
    FUZZ_CHECK(!std::regex_match(description, taken) && description.size() <= 400);
    for (char c : description)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 && !std::strchr("<>:\"/\\|?*~", c));

    Profile profile;
    profile.description = description, profile.fullName = "Fuzz";
    // A folder of its own: the other readers leave their files in the scratch one.
    static const std::string dir = fuzz::ScratchDirectory() + "names/";
    std::filesystem::create_directory(dir);
    FUZZ_CHECK(WriteProfile(dir, profile));
    const std::vector<std::string> files = ListFiles(dir);
    FUZZ_CHECK(files.size() == 1 && files[0] == description + ".ini");
    FUZZ_CHECK(DeleteProfileFile(dir, description));
}

// The schedule record's three readers (delivery, display, the profile
// check) agree on the address, the profile and the report type.
void ScheduleReaders(const std::string& text)
{
    const std::string path = fuzz::WriteScratchFile("task.dtr", text);
    ScheduleRecord record;
    ReadScheduleRecordForDelivery(path, record);
    const ScheduleDisplay shown = ReadScheduleRecordForDisplay(path);
    FUZZ_CHECK(shown.email == record.email && shown.profile == ScheduledFileName(record.profilePath));
    // The dialog shows full colours for any type but 0, the delivery sends it for 1 only.
    FUZZ_CHECK(record.reportType != ReportType::fullColours || shown.reportType == ReportType::fullColours);
    FUZZ_CHECK(record.profilePath.empty() || IsProfileScheduled(path, record.profilePath));
}

// Every contact's text fits one piece of the reader and holds no line feed,
// and what was read is written back and read again unchanged, with either
// line ends. (A text ending in CR is the exception on Linux, where the
// writer does not turn "\n" into CR LF.)
void ContactsRoundTrip(const std::string& text)
{
    const std::string path = fuzz::WriteScratchFile(kContactsFileName, text);
    std::vector<Contact> contacts;
    if (LoadContacts(path, contacts) != ContactsFile::read) {
        FUZZ_CHECK(text.size() > static_cast<std::size_t>(kMaxDataFileBytes) && contacts.empty());
        return;
    }
    FUZZ_CHECK(contacts.size() <= kMaxContacts);
    bool endsInCr = false;
    for (const Contact& c : contacts) {
        FUZZ_CHECK(c.name.size() <= 324 && c.address.size() <= 323);
        FUZZ_CHECK((c.name + c.address).find('\n') == std::string::npos);
        endsInCr = endsInCr || (!c.name.empty() && c.name.back() == '\r') || (!c.address.empty() && c.address.back() == '\r');
    }
    FUZZ_CHECK(SaveContacts(path, contacts));
    std::vector<Contact> again;
    FUZZ_CHECK(LoadContacts(path, again) == ContactsFile::read);
    FUZZ_CHECK(endsInCr || again.size() == contacts.size());
    for (std::size_t i = 0; !endsInCr && i < again.size(); ++i)
        FUZZ_CHECK(again[i].name == contacts[i].name && again[i].address == contacts[i].address);

    // While there is room, a contact of the longest texts is added and read
    // back with all the others.
    if (!ContactsHaveRoom(again))
        return;
    again.push_back({std::string(kContactTextLimit, 'n'), std::string(kContactTextLimit - 1, 'a') + "@"});
    FUZZ_CHECK(SaveContacts(path, again));
    FUZZ_CHECK(LoadContacts(path, contacts) == ContactsFile::read && contacts.size() == again.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::Dispatch(data, size, {ProfileReaders, WithBothLineEnds<IndexRoundTrip>, DescriptionRules, ScheduleReaders,
                                       WithBothLineEnds<ContactsRoundTrip>});
}
