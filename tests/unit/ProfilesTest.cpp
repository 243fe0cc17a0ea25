#include "profiles/InformationPages.h"
#include "profiles/ProfileDeletion.h"
#include "profiles/ProfileEditorChecks.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileFileReadings.h"
#include "base/TextLines.h"
#include "profiles/ProfileIndex.h"
#include "profiles/SignImage.h"
#include "profiles/SignTexts.h"

#include "engine/PersonalReadings.h"

#include "engine/DailyReadingSet.h"

#include "TestSupport.h"

#include <climits>
#include <set>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace std::string_literals;

TEST(ProfileFile, KeyRules)
{
    // flags: 1 mother, 2 father, 4 manual calibration
    const struct { std::string bytes; int month, day, year, flags; } cases[] = {
        {"YourMonth:7\r\nYourDate:15\r\nYourYear:1970", 7, 15, 1970, 0},
        {"YourMonth:\nYourDate:\n", 1, 1, 1900, 0},  // an empty value keeps the default
        {"YourMonth: 5\nYourDate:6abc\nYourYear:abc\n", 5, 6, 0, 0}, {"YourMonth:3\nYourMonth:4\n", 4, 1, 1900, 0},
        {"yourmonth:5\n YourDate:6\n", 1, 1, 1900, 0},  // case-sensitive, at the line start only
        {"YourMonth:\0" "7\nYourDate:4\0" "2\n"s, 1, 4, 1900, 0},  // a value ends at a NUL
        // Only the month key of a group turns its flag on, and only with a value.
        {"MotherMonth:5\n", 1, 1, 1900, 1},      {"MotherDate:2\nMotherYear:1945\n", 1, 1, 1900, 0},
        {"MotherMonth:\n", 1, 1, 1900, 0},       {"FatherMonth:0\n", 1, 1, 1900, 2},
        {"BadMonth:2\n", 1, 1, 1900, 4},         {"GoodMonth:2\nGoodDate:3\nGoodYear:4\n", 1, 1, 1900, 0},
        {"BadDate:2\nBadYear:1950\n", 1, 1, 1900, 0}, {"FatherDate:2\nFatherYear:1945\n", 1, 1, 1900, 0},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const Profile p = LoadProfile(dir.Write("p.ini", c.bytes));
        const int flags = p.useMotherBirthday + 2 * p.useFatherBirthday + 4 * p.manualCalibration;
        EXPECT_EQ(std::vector<int>({p.yourMonth, p.yourDate, p.yourYear, flags}), std::vector<int>({c.month, c.day, c.year, c.flags})) << c.bytes;
    }
    // A group turned on by its month alone keeps January 1, 1900 for the rest;
    // a missing good day is that day too.
    const Profile months = LoadProfile(dir.Write("p.ini", "MotherMonth:5\nFatherMonth:6\nBadMonth:7\n"));
    EXPECT_EQ(std::vector<int>({months.motherMonth, months.motherDate, months.motherYear, months.fatherMonth, months.fatherDate,
                                months.fatherYear, months.goodMonth, months.goodDate, months.goodYear, months.badMonth,
                                months.badDate, months.badYear}), std::vector<int>({5, 1, 1900, 6, 1, 1900, 1, 1, 1900, 7, 1, 1900}));
    // A name is read as the file holds it (in the reader's 499-character
    // pieces), whatever the editor would write; the title shows it on one
    // line and cut, while the readings are the whole name's.
    const std::string x100(100, 'x'), xy = x100 + "yyyyy";
    const auto daily = [](const Profile& p) { DailyReadingSet set; return ComputeDailySet(p, {2026, 12, 7}, set), set; };
    const struct { std::string written, read, titled; } names[] = {
        {"  Jane Doe ", "  Jane Doe ", "  Jane Doe "}, {x100, x100, x100}, {xy, xy, x100 + "..."},
        {std::string(600, 'x'), std::string(494, 'x'), x100 + "..."}, {"A\tB\x7f", "A\tB\x7f", "A B "},
    };
    for (const auto& n : names) {
        const Profile read = LoadProfile(dir.Write("p.ini", "Name:" + n.written + "\r\nYourMonth:5\r\n"));
        EXPECT_EQ(read.fullName + "|" + daily(read).Title, n.read + "|Daily Analysis - December 7, 2026  - " + n.titled + " -  Automatic Calibration");
    }
    Profile whole = LoadProfile(dir.Write("p.ini", "Name:" + xy + "\r\n")), cut = whole;
    cut.fullName = x100;
    EXPECT_NE(daily(whole).LotteryLine, daily(cut).LotteryLine);  // the numbers count every letter of the name

    // Nothing to read leaves the defaults (bytes of any kind are the fuzz target's).
    for (const std::string& path : {std::string(), dir.path("missing.ini"), dir.dir()}) {
        const Profile p = LoadProfile(path);
        EXPECT_EQ(std::vector<int>({p.yourMonth, p.yourDate, p.yourYear, p.useMotherBirthday + p.useFatherBirthday + p.manualCalibration}),
                  std::vector<int>({1, 1, 1900, 0})) << path;
    }
}

TEST(ProfileFile, ReadersTakeOnlyTheirKeys)
{
    TempDir dir;
    dir.Write("Work.ini", "Profile:Inside\nName:Sam\nYourMonth:3\nYourDate:7\nYourYear:1970\nMotherMonth:5\n");
    Profile full;
    full.description = "Work";
    ReadProfileFull(dir.dir(), full);
    EXPECT_EQ(full.description + full.fullName + (full.useMotherBirthday ? " mother" : ""), "InsideSam mother");
    EXPECT_EQ(LoadProfile(dir.path("Work.ini")).description, "");

    std::string name = "kept";
    CivilDate born{1933, 11, 22};
    auto read = [&](const char* profile) {
        ReadNameAndBirthDate(dir.dir(), profile, name, born);
        return name + " " + std::to_string(born.month) + "/" + std::to_string(born.day) + "/" + std::to_string(born.year);
    };
    EXPECT_EQ(read("Missing"), "kept 11/22/1933");
    dir.Write("Partial.ini", "YourYear:1950\nMotherMonth:5\n");
    EXPECT_EQ(read("Partial"), "kept 11/22/1950");
    EXPECT_EQ(read("Work"), "Sam 3/7/1970");
}

TEST(ProfileFile, WriterProducesTheExactFormatAndNeverDamagesWhatIsThere)
{
    TempDir dir;
    Profile p;
    p.description = " Work ", p.fullName = "Sam Example", p.yourMonth = 3, p.yourDate = 7, p.yourYear = 1970;
    p.useMotherBirthday = p.manualCalibration = true;
    p.motherMonth = 5, p.motherDate = 2, p.motherYear = 1945, p.badMonth = -4, p.goodDate = 31;
    p.fatherYear = 1920;  // group off: not written
    ASSERT_TRUE(WriteProfile(dir.dir(), p));
    EXPECT_EQ(dir.Read(" Work .ini"), "Profile: Work \nName:Sam Example\nYourMonth:3\nYourDate:7\nYourYear:1970\nMotherMonth:5\n"
                                      "MotherDate:2\nMotherYear:1945\nBadMonth:-4\nBadDate:1\nBadYear:1900\nGoodMonth:1\nGoodDate:31\nGoodYear:1900\n");
    p.useFatherBirthday = true;
    ASSERT_TRUE(WriteProfile(dir.dir(), p));
    EXPECT_NE(dir.Read(" Work .ini").find("MotherYear:1945\nFatherMonth:1\nFatherDate:1\nFatherYear:1920\nBad"), std::string::npos);
    EXPECT_EQ(dir.EntryCount(), 1);  // replaced in place, no temporary file left behind

    // A group the editor switches on starts at a new record's January 1, 1900,
    // and is saved so when no date is chosen.
    TempDir freshDir;
    Profile fresh;
    fresh.description = "Fresh", fresh.useMotherBirthday = fresh.useFatherBirthday = fresh.manualCalibration = true;
    ASSERT_TRUE(WriteProfile(freshDir.dir(), fresh));
    std::string newYear = "Profile:Fresh\nName:\n";
    for (const char* group : {"Your", "Mother", "Father", "Bad", "Good"})
        newYear += group + "Month:1\n"s + group + "Date:1\n" + group + "Year:1900\n";
    EXPECT_EQ(freshDir.Read("Fresh.ini"), newYear);

    // What the writer refuses leaves what is there as it was.
    p.description = "Me";
    chmod(dir.Write("Me.ini", "Name:Old\n").c_str(), 0444);
    EXPECT_FALSE(WriteProfile(dir.dir(), p));
    EXPECT_EQ(dir.Read("Me.ini"), "Name:Old\n");
    std::filesystem::create_directory(dir.path("Dir.ini"));
    p.description = "Dir";
    EXPECT_FALSE(WriteProfile(dir.dir(), p) || ProfileFileExists(dir.dir(), "Dir"));

    // Names Windows cannot store, that would leave the data directory or
    // replace the index.
    for (const char* bad : {"a/b", "..\\up", "CON", "oc"}) {
        p.description = bad;
        EXPECT_FALSE(WriteProfile(dir.dir(), p)) << bad;
        EXPECT_FALSE(DeleteProfileFile(dir.dir(), bad)) << bad;
    }
    // A name that would start a line of its own, or spill past a 499-byte piece.
    p.description = "Other";
    for (const std::string& bad : {"Jane Doe\nProfile:Bob"s, std::string(494, 'n') + "BadMonth:5"}) {
        p.fullName = bad;
        EXPECT_FALSE(WriteProfile(dir.dir(), p));
    }
    EXPECT_EQ(dir.EntryCount(), 3);  // " Work .ini", Me.ini and the directory, no temporary files

    EXPECT_TRUE(ProfileFileExists(dir.dir(), "Me"));
    EXPECT_TRUE(DeleteProfileFile(dir.dir(), "Me"));  // read-only or not
    EXPECT_FALSE(ProfileFileExists(dir.dir(), "Me"));
}

std::string Describe(const std::vector<ProfileIndexEntry>& entries)
{
    return Joined(entries, [](const ProfileIndexEntry& e) { return "[" + e.fullName + "|" + e.description + "|" + e.calibration + "]"; });
}

TEST(ProfileIndex, EntriesEndAtAdjustmentLinesAndAreWrittenBackExactly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Profile:A\r\nDescription:B\r\nAdjustment:Manual\r\nProfile:C\r\nDescription:D\r\nAdjustment:Automatic\r\n", "[A|B|Manual][C|D|Automatic]"},
        {"Profile:A\nDescription:B\nAdjustment:Manual\nProfile:C\nDescription:D\n", "[A|B|Manual]"},
        {"Profile:A\nDescription:B\nAdjustment:Manual\nDescription:D\nAdjustment:Automatic",
         "[A|B|Manual][A|D|Automatic]"},  // running values are not cleared
        {"profile:x\nName:y\nAdjustment:\n", ""},  // no description, no file to name
        // Rows whose description or name the rules refuse are skipped.
        {"Profile:A\nDescription:..\\..\\Windows\\win\nAdjustment:Manual\n"
         "Description:OC\nAdjustment:Manual\nDescription:BOBSMI~1\nAdjustment:Manual\n"
         "Profile:A\tB\nDescription:B\nAdjustment:Manual\nProfile:C\nAdjustment:Manual\n", "[C|B|Manual]"},
    };
    TempDir dir;
    EXPECT_FALSE(ProfileIndexExists(dir.dir()));
    for (const auto& c : cases) {
        dir.Write("oc.ini", c.first);
        EXPECT_EQ(Describe(ReadProfileIndex(dir.dir())), c.second) << c.first;
    }

    dir.Write("oc.ini", "Profile:P\n" + Rows([](int i) { return "Description:D" + std::to_string(i) + "\nAdjustment:Manual\n"; }, 10001));
    const std::vector<ProfileIndexEntry> rows = ReadProfileIndex(dir.dir());
    EXPECT_TRUE(rows.size() == 10000u && rows.back().description == "D9999") << rows.size();

    // Rows the reader would skip are not written.
    ASSERT_TRUE(WriteProfileIndex(dir.dir(), {{"Jane Doe", "Me", "Automatic"}, {"A\nB", "Me", "Manual"},
                                              {"C", "oc", "Manual"}, {" Sam ", "Work ", "Manual"}}));
    EXPECT_EQ(dir.Read("oc.ini"), "Profile:Jane Doe\nDescription:Me\nAdjustment:Automatic\nProfile: Sam \nDescription:Work \nAdjustment:Manual\n");
    EXPECT_EQ(Describe(ReadProfileIndex(dir.dir())), "[Jane Doe|Me|Automatic][ Sam |Work |Manual]");
    EXPECT_TRUE(ProfileIndexExists(dir.dir()));

    Profile saved;
    saved.fullName = "Jane Doe", saved.description = "Me";
    EXPECT_EQ(Describe({IndexEntryOf(saved)}), "[Jane Doe|Me|Automatic]");
    saved.manualCalibration = true;
    EXPECT_EQ(IndexEntryOf(saved).calibration, "Manual");
}

// Index rows named by 100 letters whose lines take exactly `bytes`, each
// row `fixed` bytes besides its description.
std::vector<ProfileIndexEntry> RowsTaking(std::size_t bytes, std::size_t fixed)
{
    std::vector<ProfileIndexEntry> rows;
    auto add = [&](const std::string& description) {
        rows.push_back({std::string(100, 'n'), description, "Automatic"});
        bytes -= fixed + description.size();
    };
    while (bytes >= 2 * (fixed + 1) + 150)
        add("D" + std::to_string(rows.size()));
    const std::size_t rest = bytes - 2 * (fixed + 1);
    add("X" + std::string(rest - std::min<std::size_t>(rest, 98), 'x'));
    add("Y" + std::string(std::min<std::size_t>(rest, 98), 'y'));
    return rows;
}

// Two sessions of one account: each applies only its own changes to the
// index as it is when it writes, and an index it cannot read stays whole.
TEST(ProfileIndex, ChangesApplyToTheIndexAsItIsNowAndAlwaysFitItsReader)
{
    using Kind = IndexChange::Kind;
    const ProfileIndexEntry ann{"Ann", "Home", "Automatic"}, bo{"Bo", "Work", "Manual"}, cy{"Cy", "Play", "Manual"},
                            boAgain{"Bo", "WORK", "Automatic"};
    const struct { const char* what; std::vector<ProfileIndexEntry> there; std::vector<IndexChange> changes; const char* after; } cases[] = {
        {"added beside another session's row", {ann, bo}, {{Kind::put, cy}}, "[Ann|Home|Automatic][Bo|Work|Manual][Cy|Play|Manual]"},
        {"replaced in place, whatever the case", {ann, bo, cy}, {{Kind::put, boAgain}}, "[Ann|Home|Automatic][Bo|WORK|Automatic][Cy|Play|Manual]"},
        {"the first row replaced in place", {ann, bo}, {{Kind::put, {"Di", "home", "Manual"}}}, "[Di|home|Manual][Bo|Work|Manual]"},
        {"deleted with every row of its file", {bo, ann, boAgain}, {{Kind::remove, {"", "work", ""}}}, "[Ann|Home|Automatic]"},
        {"deleted elsewhere already", {ann}, {{Kind::remove, bo}}, "[Ann|Home|Automatic]"},
        {"no index yet, changes in order", {}, {{Kind::put, ann}, {Kind::put, bo}, {Kind::remove, ann}}, "[Bo|Work|Manual]"},
    };
    for (const auto& c : cases) {
        TempDir own;
        ASSERT_TRUE(c.there.empty() || WriteProfileIndex(own.dir(), c.there));
        EXPECT_TRUE(UpdateProfileIndex(own.dir(), c.changes)) << c.what;
        EXPECT_EQ(Describe(ReadProfileIndex(own.dir())), c.after) << c.what;
    }
    TempDir dir;
    const std::string unreadable(kMaxDataFileBytes + 1, '\n');
    dir.Write("oc.ini", unreadable);
    EXPECT_FALSE(UpdateProfileIndex(dir.dir(), {{Kind::put, ann}}) || dir.Read("oc.ini") != unreadable);

    // Rows of the longest texts (100 characters of four bytes each) take 846
    // bytes each on the disk with CR LF: room is left while one more still
    // fits so, all of them are read back; the writer refuses rows only where
    // line feeds alone would not fit.
    const std::string widest = Repeated("\U0001F600", 100);
    std::vector<ProfileIndexEntry> longest(kMaxDataFileBytes / 846 - 1, {widest, widest, "Automatic"});
    EXPECT_TRUE(IndexHasRoom(longest));
    longest.push_back(longest.back());
    ASSERT_TRUE(!IndexHasRoom(longest) && WriteProfileIndex(dir.dir(), longest));
    EXPECT_EQ(ReadProfileIndex(dir.dir()).size(), longest.size());
    longest.resize(kMaxDataFileBytes / 843, longest.back());
    EXPECT_TRUE(WriteProfileIndex(dir.dir(), longest));
    longest.push_back(longest.back());
    EXPECT_FALSE(WriteProfileIndex(dir.dir(), longest));

    // Rows that inherit a 100-letter name count in full (143 bytes and their
    // description each, line feeds alone): a list of exactly 1 MiB is read
    // whole, one byte more loses its last row. Room is left while the
    // longest row still fits with CR LF (146 bytes each here).
    for (const std::size_t over : {0, 1}) {
        std::string file = "Profile:" + std::string(100, 'n') + "\n";
        const std::vector<ProfileIndexEntry> rows = RowsTaking(kMaxDataFileBytes + over, 143);
        for (const ProfileIndexEntry& row : rows)
            file += "Description:" + row.description + "\nAdjustment:Automatic\n";
        dir.Write("oc.ini", file);
        EXPECT_EQ(ReadProfileIndex(dir.dir()).size(), rows.size() - over) << over;
        EXPECT_EQ(IndexHasRoom(RowsTaking(kMaxDataFileBytes - 846 + over, 146)), over == 0) << over;
    }
    std::vector<ProfileIndexEntry> most(kMaxIndexRows - 1, {"A", "B", "Automatic"});
    EXPECT_TRUE(IndexHasRoom(most));
    most.push_back(most.back());
    EXPECT_FALSE(IndexHasRoom(most));
}

// A list read from the disk can always lose a profile, whatever its line
// ends and however its rows repeat each other; the row leaves the index
// before the file goes, so a refused write keeps both.
TEST(ProfileIndex, ADeletionIsNeverRefusedForSizeAndKeepsRowAndFileTogether)
{
    using Kind = IndexChange::Kind;
    // Valid rows with line feeds alone, just under 1 MiB: with CR LF they
    // would not fit.
    const std::string padding(80, 'p');
    const std::string lineFeeds = Rows([&](int i) {
        return "Profile:" + padding + std::to_string(i) + "\nDescription:P" + std::to_string(i) + "\nAdjustment:Automatic\n";
    }, INT_MAX, kMaxDataFileBytes);
    ASSERT_GT(TextFileBytes(lineFeeds), static_cast<std::size_t>(kMaxDataFileBytes));
    ASSERT_GT(kMaxDataFileBytes - lineFeeds.size(), 0u);
    // Rows that all name one profile, each written out in full again.
    const std::string full = "Profile:" + std::string(100, 'n') + "\nDescription:P0\nAdjustment:Manual\n";
    const std::string repeated = "Profile:Other\nDescription:Other\nAdjustment:Manual\n" + full + Repeated("Adjustment:Manual\n", 9000);

    const ProfileIndexEntry p0{padding + "0", "P0", "Automatic"}, other{"Other", "Other", "Manual"}, added{"Ann", "Home", "Automatic"};
    const struct { const char* what; std::string index; ProfileIndexEntry deleted; bool readOnly, deletes; } cases[] = {
        {"full list with line feeds", lineFeeds, p0, false, true}, {"the same, the index read-only", lineFeeds, p0, true, false},
        {"rows repeating one profile", repeated, other, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        dir.Write("oc.ini", c.index);
        dir.Write(c.deleted.description + ".ini", "Name:x\n");
        if (c.readOnly)
            chmod(dir.path("oc.ini").c_str(), 0444);
        std::vector<ProfileIndexEntry> rows = ReadProfileIndex(dir.dir());
        ASSERT_EQ(RowOfSameFile(rows, c.deleted.description), 0);
        // A change an earlier write could not save goes along.
        std::vector<IndexChange> pending = {{Kind::put, added}};
        const bool removed = RemoveProfile(dir.dir(), pending, c.deleted), kept = std::filesystem::exists(dir.path(c.deleted.description + ".ini"));
        EXPECT_EQ(std::make_tuple(removed, pending.empty(), kept), std::make_tuple(c.deletes, c.deletes, !c.deletes));
        const std::vector<ProfileIndexEntry> after = ReadProfileIndex(dir.dir());
        if (!c.deletes) {
            EXPECT_TRUE(dir.Read("oc.ini") == c.index);
            continue;
        }
        EXPECT_EQ(RowOfSameFile(after, c.deleted.description), -1);
        EXPECT_EQ(RowOfSameFile(after, added.description), static_cast<int>(after.size()) - 1);
        rows.erase(rows.begin());
        rows.push_back(added);
        EXPECT_EQ(Describe(after), Describe(rows));
    }
}

using namespace EditorMessages;

// The first problem of a profile born in January 1970. A parent is switched
// on by a year of its own, born in December so that only years count; a
// switched-off parent keeps a year that would fail every check.
std::string Problem(const std::string& description, const std::string& name, int mother = 0, int father = 0)
{
    Profile p;
    p.description = description, p.fullName = name, p.yourYear = 1970, p.motherMonth = p.fatherMonth = 12;
    p.useMotherBirthday = mother != 0, p.useFatherBirthday = father != 0;
    p.motherYear = mother ? mother : 2000, p.fatherYear = father ? father : 1970;
    return FirstInputProblem(p);
}

TEST(ProfileEditorChecks, FirstFailingCheckDecides)
{
    const std::string d100(100, 'd'), n100(100, 'n'), slash = DescriptionCharacterMessage("/");
    const std::string cyrillic100 = Repeated("\u0414", 100), chinese100 = Repeated("\u738B", 100), polish100 = Repeated("\u017B", 100);
    const struct { const char* what; std::string description, name; int mother, father; const char* message; } cases[] = {
        {"valid, parents switched off", "Work", "Sam", 0, 0, ""}, {"everything blank", "", "", 0, 0, kDescriptionEmpty},
        {"101-character description and no name", d100 + "d", "", 0, 0, kDescriptionTooLong},
        {"100-character description", d100, "Sam", 0, 0, ""}, {"slash and no name", "a/b", "", 0, 0, slash.c_str()},
        {"too long beats bad characters", std::string(101, '?'), "Sam", 0, 0, kDescriptionTooLong},
        // Lengths count characters, not the bytes of their UTF-8.
        {"100 Cyrillic letters", cyrillic100, "Sam", 0, 0, ""}, {"101 Chinese characters", chinese100 + "\u4F1F", "Sam", 0, 0, kDescriptionTooLong},
        {"100-character Chinese name", "Work", chinese100, 0, 0, ""}, {"101-character Polish name", "Work", polish100 + "\u0141", 0, 0, kNameTooLong},
        {"no name", "Work", "", 0, 0, kNameEmpty}, {"101-character name", "Work", n100 + "n", 0, 0, kNameTooLong},
        {"100-character name", "Work", n100, 0, 0, ""}, {"long name before mother", "Work", n100 + "n", 1990, 0, kNameTooLong},
        {"mother before father", "Work", "Sam", 1975, 1980, kOlderThanMother},
        {"father checked when mother passes", "Work", "Sam", 1940, 1965, kFatherTooYoung},
        // Parents against the own year 1970; the father's rule is the mother's.
        {"mother born after", "Work", "Sam", 1971, 0, kOlderThanMother}, {"mother born that year", "Work", "Sam", 1970, 0, kMotherTooYoung},
        {"mother 9 years older", "Work", "Sam", 1961, 0, kMotherTooYoung},
        {"mother 10 years older", "Work", "Sam", 1960, 0, ""}, {"mother at INT_MIN", "Work", "Sam", INT_MIN, 0, ""},
        {"father at INT_MAX", "Work", "Sam", 0, INT_MAX, kOlderThanFather},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Problem(c.description, c.name, c.mother, c.father), c.message) << c.what;
}

TEST(ProfileEditorChecks, DescriptionsThatCannotNameAFileSayWhy)
{
    // The refusal names the character as typed, whole, whatever script it
    // stands in; control characters, which show as nothing, by their kind.
    const struct { std::string description, named; } characters[] = {
        {"a\\b", "\\"}, {"a:b", ":"}, {"a\"b", "\""}, {"a|b", "|"}, {"BOBSMI~1", "~"}, {"~", "~"},
        {"\u0414\u043C\u0438\u0442\u0440\u0438\u0439?", "?"}, {"\u738B/\u4F1F", "/"}, {"\u0141<", "<"},
        {"tab\there", "a control character"}, {"unit\x1f/", "a control character"}, {"del\x7f/", "a control character"},
        {"Zo\xEB", "a byte that is not a character"}, {"\xE7\x8E", "a byte that is not a character"},
    };
    for (const auto& c : characters)
        EXPECT_EQ(Problem(c.description, "Sam"), "Profile Description contains a character that file names cannot hold: " + c.named +
                      "    \nPlease correct it and then try again.    ") << c.description;
    // Devices (with the superscript digits), the program's own files in any
    // letter case, and what passes: letters of any script among them.
    const struct { const char* message; std::vector<std::string> descriptions; } refusals[] = {
        {kDescriptionDevice, {"con", "COM1", "lpt1.x", "nul ", "COM9", "LPT9", "COM\u00B9", "lpt\u00B2", "Com\u00B3.txt", "CONIN$", "conout$.x"}},
        {kDescriptionOwnFile, {"oc", "OC", "Contacts", "CONTACTS", "Mail"}},
        {"", {"My Work", " padded ", "CONsole", "M\u00FCller", "a.b", "NULL", "COM0", "COM\u00B4", "COM\u00B9\u00B9", "oc ", "oc.ini",
              "contacts list", "CONIN", "Zo\u00EB N\u00FA\u00F1ez", "\u0141ukasz \u017B\u00F3\u0142\u0107", "\u738B\u4F1F", "\U0001F600",
              "\u0414\u043C\u0438\u0442\u0440\u0438\u0439 \u041E\u0440\u043B\u043E\u0432"}},
    };
    for (const auto& refusal : refusals)
        for (const std::string& description : refusal.descriptions)
            EXPECT_EQ(Problem(description, "Sam"), refusal.message) << description;
    for (const char* bad : {"Jane Doe\nProfile:Bob", "Jane\rDoe", "Jane\tDoe", "Jane\x1f", "Jane\x7f", "Zo\xEB"})
        EXPECT_EQ(Problem("Work", bad), kNameNotStorable) << bad;
}

// Each month's limit day against the sign page and its birthstone (the daily
// report's sign line comes from the same table, and the daily set's golden
// pins its form); the picture; the years the year page knows.
TEST(InformationPages, SignBoundaryDaysAndYearAnimals)
{
    const std::string yellow = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>";
    const struct { int month, lastDay; std::string upTo, after; const char* birthstone; } cases[] = {
        {1, 20, "Capricorn", "Aquarius", "Garnet"},     {2, 19, "Aquarius", "Pisces", "Amethyst"},
        {3, 20, "Pisces", "Aries", "Aquamarine"},       {4, 20, "Aries", "Taurus", "Diamond"},
        {5, 21, "Taurus", "Gemini", "Emerald"},         {6, 21, "Gemini", "Cancer", "Alexandrite"},
        {7, 22, "Cancer", "Leo", "Ruby"},               {8, 23, "Leo", "Virgo", "Peridot"},
        {9, 23, "Virgo", "Libra", "Sapphire"},          {10, 23, "Libra", "Scorpio", "Opal"},
        {11, 22, "Scorpio", "Sagittarius", "Topaz"},    {12, 21, "Sagittarius", "Capricorn", "Turquoise"},
    };
    for (const auto& c : cases)
        for (int day : {1, c.lastDay, c.lastDay + 1}) {
            const std::string& sign = day > c.lastDay ? c.after : c.upTo;
            const std::string page = SignPageContent(c.month, day);
            SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(day));
            EXPECT_EQ(page.rfind(yellow + sign + "<p><font color=\"black\">", 0), 0u);
            EXPECT_TRUE(day != 1 || page.find(std::string("Birthstone -- ") + c.birthstone + "<p>") != std::string::npos);
        }
    const std::string dir = "C:\\Program Files\\Oracline\\";
    EXPECT_EQ(SignImagePath(dir, 11, 23), dir + "sagittarius.gif");
    for (int month : {0, 13, -1}) {
        EXPECT_EQ(SignPageContent(month, 5), yellow + ZodiacAttractionText() + "</b></font><p>");
        EXPECT_EQ(SignImagePath(dir, month, 5), dir + "capricorn.gif");
        Profile p;
        p.yourMonth = month;
        EXPECT_EQ(ZodiacSign(p), "");
    }

    // Every soul number a birthday can have has its text.
    std::set<char> numbers;
    for (int year = 1990; year < 2000; ++year)
        for (int month = 1; month <= 12; ++month) {
            const std::string page = NumberPageContent({year, month, 1});
            const std::size_t at = page.find("Number ");
            ASSERT_NE(at, std::string::npos) << year << "/" << month;
            numbers.insert(page[at + 7]);
        }
    EXPECT_EQ(numbers.size(), 9u);

    const std::pair<int, const char*> years[] = {{1900, "Rat"}, {1901, "Ox"}, {1911, "Pig"}, {1912, "Rat"}, {2012, "Dragon"}, {1899, ""}, {2013, ""}};
    for (const auto& c : years) {
        const std::string head = yellow + "<font color=\"yellow\">" + std::to_string(c.first) + " - ";
        if (*c.second)
            EXPECT_EQ(YearPageContent(c.first).rfind(head + "The Year of the " + c.second + "<p>", 0), 0u) << c.first;
        else
            EXPECT_EQ(YearPageContent(c.first), head + "</b></font><p>") << c.first;
    }
}

}  // namespace
