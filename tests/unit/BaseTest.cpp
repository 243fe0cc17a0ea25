#include "base/AsciiText.h"
#include "base/Calendar.h"
#include "base/Clock.h"
#include "base/DateLists.h"
#include "base/PathText.h"
#include "base/ReportTiming.h"
#include "base/SafeFileWriter.h"
#include "base/ShownText.h"
#include "base/ContrastCanvas.h"
#include "base/ScaledCanvas.h"
#include "base/TextLines.h"
#include "base/Utf8Text.h"
#include "base/WipedText.h"
#include "platform/FileOps.h"

#include "TestSupport.h"

#include <atomic>
#include <climits>
#include <ctime>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utime.h>
#include <vector>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST(PathText, NameFolderAndExtensionByEachSeparatorRule)
{
    using S = PathSeparators;
    const struct { const char* path; PathSeparators separators; const char *name, *folder, *extension; } cases[] = {
        {"C:\\Data\\Jane.ini", S::backslash, "Jane.ini", "C:\\Data\\", ".ini"},
        {"C:\\Data/Jane.ini", S::backslash, "Data/Jane.ini", "C:\\", ".ini"},  // a slash is a name's
        {"C:\\Data/Jane.ini", S::either, "Jane.ini", "C:\\Data/", ".ini"},
        {"/tmp/a\\b.ini", S::slash, "a\\b.ini", "/tmp/", ".ini"}, {"Jane.ini", S::either, "Jane.ini", "", ".ini"},
        {"C:\\Data.d\\Jane", S::backslash, "Jane", "C:\\Data.d\\", ""},  // a folder's dot is not the file's
        {"C:\\Data\\", S::backslash, "", "C:\\Data\\", ""}, {"a.tar.gz", S::either, "a.tar.gz", "", ".gz"}, {"", S::either, "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines({FileNameOf(c.path, c.separators), FolderOf(c.path, c.separators), ExtensionOf(c.path, c.separators)}),
                  Lines({c.name, c.folder, c.extension})) << c.path;
}

// Pieces as a 500-byte fgets buffer cuts them; a file that is not UTF-8 is
// read in the system code page (Windows-1252 off Windows), decided for the
// whole of it, the pieces cut from its bytes.
TEST(TextLines, SplitsLikeA500ByteFgetsBufferAndReadsNonUtf8InTheSystemCodePage)
{
    const std::string j498(498, 'j'), j499(499, 'j'), j500(500, 'j');
    const std::pair<std::string, Lines> cases[] = {
        {"a\nb\n", {"a", "b"}}, {"\r\na\r\nb\r\n", {"", "a", "b"}}, {"\n\n", {"", ""}},
        {"a\rb", {"a\rb"}},  // a lone CR stays, and no final line feed is needed
        {j499 + "\nk\n", {j499, "", "k"}},  // the piece is full before its line feed
        {j498 + "\r\nk\r\n", {j498, "k"}},  // CR LF counts as one character
        {j500 + "\n", {j499, "j"}},
        {"ab\0cd\nef\n"s, {"ab", "ef"}},  // a line ends at its first NUL
        {"Zo\u00EB\n\u0414\u07FF\n\u0800\uFFFD\n\U0001F600\U0010FFFF\n", {"Zo\u00EB", "\u0414\u07FF", "\u0800\uFFFD", "\U0001F600\U0010FFFF"}},
        {"Zo\xEB N\xFA\xF1" "ez\n", {"Zo\u00EB N\u00FA\u00F1ez"}},
        {"\x80\x8A\x9F\x81\n", {"\u20AC\u0160\u0178\u0081"}},  // its letters in 0x80-0x9F
        {"Zo\u00EB\nZo\xEB\n", {"Zo\u00C3\u00AB", "Zo\u00EB"}},  // one stray byte decides for all
        {"\xC0\xAF\n", {"\u00C0\u00AF"}},                              // overlong
        {"\xED\xA0\x80\n", {"\u00ED\u00A0\u20AC"}},                 // a surrogate
        {"\xF4\x90\x80\x80\n", {"\u00F4\u0090\u20AC\u20AC"}},      // past U+10FFFF
        {"\xE7\x8E", {"\u00E7\u017D"}},                                  // cut short at the end
        {"\x80", {"\u20AC"}},                                           // a continuation without a lead
        {"\xE0\x80\x80", {"\u00E0\u20AC\u20AC"}}, {"\xC3" "A", {"\u00C3A"}}, {"\xE2\x82" "A", {"\u00E2\u201AA"}},  // overlong, cut short by a letter
        {j498 + "\xEB\xEB\n", {j498, "\u00EB"}},  // a piece grown past its length is cut again
    };
    for (const auto& c : cases) {
        TempDir dir;
        Lines lines;
        EXPECT_TRUE(ForEachLine(dir.Write("f", c.first), [&](const std::string& l) { lines.push_back(l); }));
        EXPECT_EQ(lines, c.second) << c.first;
    }
    // A byte of no whole character is one stand-in, or one byte on its own.
    std::string odd = Utf8Repaired("\xE2\x82" "A\xC3\xA9", '?') + Utf8CharacterAt("\x80" "A", 0) + Utf8Prefix("\xFF" "ab", 1);
    for (char32_t c : {0x80, 0x800, 0x10000, 0x1F600, 0x10FFFF}) AppendUtf8(odd += Utf8Prefix("\xC3\xA9", 1) + std::to_string(Utf8Length("\xFF" "a")), c);
    EXPECT_EQ(odd + LowerAscii("@AZ["), "??A\xC3\xA9\x80\xFF" "2\u0080" "2\u0800" "2\U00010000" "2\U0001F600" "2\U0010FFFF" "@az[");
    // A wiped secret leaves nothing in the memory the string keeps.
    EXPECT_EQ([] { std::string secret(40, 's'); WipeText(secret); return std::string(secret.data(), 40); }(), std::string(40, '\0'));
}

TEST(TextLines, OddFilesYieldNothingOrEverything)
{
    TempDir dir;
    int calls = 0;
    auto count = [&](const std::string&) { ++calls; };
    // Past the bound a file counts as missing, and so do folders, devices and
    // pipes, which might never end: no line, no bytes.
    ASSERT_EQ(mkfifo(dir.path("fifo").c_str(), 0600), 0);
    const std::string tooBig = dir.Write("huge", std::string(kMaxDataFileBytes, 'x') + "\n");
    std::string whole = "stale";
    for (const std::string& odd : {dir.path("missing"), dir.dir(), dir.path("fifo"), "/dev/zero"s, tooBig})
        EXPECT_FALSE(ForEachLine(odd, count) || ReadSmallFile(odd, whole)) << odd;
    EXPECT_EQ(std::to_string(calls) + whole, "0");
    EXPECT_FALSE(CanOpenForReading(dir.path("missing")) || CanOpenForReading(dir.dir()) || !CanOpenForReading(dir.Write("empty", "")));
    EXPECT_TRUE(ReadSmallFile(dir.Write("fits", std::string(kMaxDataFileBytes, 'y')), whole) && whole.size() == static_cast<std::size_t>(kMaxDataFileBytes));

    // Larger than any buffer the reader might hold at once.
    const std::string bytes = Rows([](int i) { return std::string(700, static_cast<char>(i)) + "\n"; }, 1400);
    std::string last;
    ForEachLine(dir.Write("big", bytes + "last"), [&](const std::string& l) { last = l; });
    EXPECT_EQ(last, "last");
}

TEST(TextLines, LeadingIntegerReadsLikeAtoiWithoutOverflow)
{
    const std::pair<const char*, int> cases[] = {
        {" 5", 5}, {"\t\n\v\f\r 12", 12}, {"5:bc", 5}, {"abc", 0}, {"", 0}, {"-3", -3}, {"+7", 7}, {"- 3", 0}, {"1/2", 1},
        {"2147483648", INT_MAX}, {"-2147483648", INT_MIN}, {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN}, {"-2147483647", -INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInteger(c.first), c.second) << '"' << c.first << '"';
}

TEST(DayCount, FollowsTheFixedFormulaNotTheCalendar)
{
    const int cases[][7] = {
        {7, 15, 1970, 9, 9, 2005, 12839}, {9, 9, 2005, 7, 15, 1970, -12830},  // no leap days counted backwards
        {1, 1, 1972, 1, 1, 1972, 1},        // a year divisible by 4 counts even within itself
        {1, 1, 1900, 1, 1, 1901, 366},      // no century rule
        {2, 28, 2003, 3, 1, 2003, 3}, {1, 31, 2001, 2, 1, 2001, -2},  // a month step is 30 days plus a correction
        {0, 5, 2001, 13, 5, 2001, 392},     // months beyond 1..12 keep the last correction
        // Extreme years: the exact value modulo 2^32, in constant time.
        {1, 1, 1900, 1, 1, INT_MAX, -1611307076}, {1, 1, INT_MIN, 12, 31, INT_MAX, 1073741821},
        {1, 1, 0, 1, 1, 4, 1462}, {1, 1, -7, 1, 1, 1, 2922},  // years 0 and 4, then -4 and 0 counted
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayCount({c[2], c[0], c[1]}, {c[5], c[3], c[4]}), c[6])
            << c[0] << "/" << c[1] << "/" << c[2] << " -> " << c[3] << "/" << c[4] << "/" << c[5];
    // From January 1 to the first of each month: 30 days a month and the
    // running correction 0, -2, -2, -1, -1, 0, 0, 0, 1, 1, 2, 2.
    const int firsts[] = {0, 28, 58, 89, 119, 150, 180, 210, 241, 271, 302, 332};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(DayCount({2001, 1, 1}, {2001, month, 1}), firsts[month - 1]) << month;
}

TEST(DaysInMonth, AppliesTheMonthRuleToEveryYearFrom1900)
{
    // 2100 and 3000 lie past the year where the old lists stopped knowing months.
    const int cases[][3] = {{2, 2024, 29}, {2, 2023, 28}, {2, 2100, 29}, {2, 1900, 29}, {4, 2030, 30},
                            {11, 3000, 30}, {1, 2200, 31}, {2, 1899, 31}, {13, 2000, 31}, {0, 2000, 31}};
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
    // Outside leap years both calendars have the wall calendar's months.
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(std::make_pair(DaysInMonth(month, 2023), RealDaysInMonth(month, 2023)),
                  std::make_pair(lengths[month - 1], lengths[month - 1])) << month;
    EXPECT_EQ(std::make_pair(RealDaysInMonth(0, 2023), RealDaysInMonth(13, 2024)), std::make_pair(0, 0));
}

// Stepping the shown day follows the wall calendar, century rule included,
// where the readings' own count does not.
TEST(Calendar, RealNeighboursOfADay)
{
    const struct { CivilDate day, before, after; } cases[] = {
        {{2005, 1, 1}, {2004, 12, 31}, {2005, 1, 2}},   {{2005, 3, 1}, {2005, 2, 28}, {2005, 3, 2}},
        {{2004, 3, 1}, {2004, 2, 29}, {2004, 3, 2}},    {{2000, 2, 28}, {2000, 2, 27}, {2000, 2, 29}},
        {{2100, 2, 28}, {2100, 2, 27}, {2100, 3, 1}},   {{2005, 4, 30}, {2005, 4, 29}, {2005, 5, 1}},
        {{1900, 2, 29}, {1900, 2, 28}, {1900, 3, 1}},  // offered by the lists, a day past February
        {{2005, 12, 31}, {2005, 12, 30}, {2006, 1, 1}}, {{2005, 13, 1}, {2005, 13, 1}, {2005, 13, 1}},
        {{2005, 0, 1}, {2005, 0, 1}, {2005, 0, 1}},     {{2005, 2, 1}, {2005, 1, 31}, {2005, 2, 2}},
        {{2005, 5, 2}, {2005, 5, 1}, {2005, 5, 3}},     {{2005, 11, 30}, {2005, 11, 29}, {2005, 12, 1}},
        // Days from a file anywhere in the int range; the range of years has ends.
        {{2005, 4, INT_MAX}, {2005, 4, 30}, {2005, 5, 1}},  {{2005, 4, INT_MIN}, {2005, 3, 31}, {2005, 4, 1}},
        {{2005, 4, 32}, {2005, 4, 30}, {2005, 5, 1}},       {{2005, 4, -1}, {2005, 3, 31}, {2005, 4, 1}},
        {{INT_MAX, 12, 31}, {INT_MAX, 12, 30}, {INT_MAX, 12, 31}}, {{INT_MIN, 1, 1}, {INT_MIN, 1, 1}, {INT_MIN, 1, 2}},
        {{INT_MAX, 12, 30}, {INT_MAX, 12, 29}, {INT_MAX, 12, 31}}, {{INT_MIN, 1, 2}, {INT_MIN, 1, 1}, {INT_MIN, 1, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::make_pair(DayBefore(c.day), DayAfter(c.day)), std::make_pair(c.before, c.after))
            << c.day.year << "-" << c.day.month << "-" << c.day.day;
    // The machine's today lies within a day of the date in Greenwich.
    const std::time_t now = std::time(nullptr);
    const std::tm utc = *std::gmtime(&now);
    const CivilDate greenwich{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday}, today = LocalClock().Today();
    EXPECT_TRUE(today == greenwich || today == DayBefore(greenwich) || today == DayAfter(greenwich));
    // Dates order by year first, then month, then day; each pair is given
    // earlier first, or twice the same.
    const struct { CivilDate a, b; bool same; } orders[] = {
        {{2004, 12, 31}, {2005, 1, 1}, false}, {{2005, 1, 31}, {2005, 2, 1}, false},
        {{2005, 2, 1}, {2005, 2, 2}, false},   {{2005, 2, 1}, {2005, 2, 1}, true},
    };
    for (const auto& o : orders) {
        std::string relations;  // a < b, <=, ==, !=, >=, >, then b < a, <=, >=, >
        for (bool holds : {o.a < o.b, o.a <= o.b, o.a == o.b, o.a != o.b, o.a >= o.b, o.a > o.b, o.b < o.a, o.b <= o.a, o.b >= o.a, o.b > o.a})
            relations += holds ? '1' : '0';
        EXPECT_EQ(relations, o.same ? "0110100110" : "1101000011")
            << o.a.year << "-" << o.a.month << "-" << o.a.day << " " << o.b.year << "-" << o.b.month << "-" << o.b.day;
    }
}

using namespace DateLists;

// The main window's list runs ten years ahead and counts days as the
// readings do; the editor's runs to this year and follows the real calendar.
TEST(DateLists, YearMonthAndDayLists)
{
    const DateListRange main = DateListRange::ForMainWindow(2026), editor = DateListRange::ForEditor(2026);
    const YearList &mainYears = main.Years(), &editorYears = editor.Years();
    EXPECT_EQ(std::vector<int>({mainYears.TopYear(), mainYears.Count(), mainYears.IndexOf(2036), mainYears.YearAt(136)}),
              std::vector<int>({2036, 137, 0, 1900}));
    EXPECT_EQ(std::vector<int>({editorYears.TopYear(), editorYears.Count(), editorYears.IndexOf(1900), editorYears.YearAt(56)}),
              std::vector<int>({2026, 127, 126, 1970}));
    // Outside the list nothing is selected and no year is made up.
    EXPECT_EQ(std::make_pair(mainYears.IndexOf(1899) + mainYears.IndexOf(2037), mainYears.YearAt(-1) + mainYears.YearAt(137)), std::make_pair(-2, 0));
    // A clock that went wrong still offers 1900.
    const DateListRange wrongClock = DateListRange::ForEditor(1850);
    EXPECT_EQ(std::make_pair(wrongClock.Years().Count(), wrongClock.Years().YearAt(0)), std::make_pair(1, 1900));

    EXPECT_EQ(std::vector<int>({MonthIndex(0), MonthIndex(13), MonthIndex(1), MonthAt(MonthIndex(12))}), std::vector<int>({-1, -1, 0, 12}));

    // A stored day past the month's end selects the last entry.
    const int days[][3] = {{31, 30, 29}, {1, 28, 0}, {28, 28, 27}, {0, 31, -1}};
    for (const auto& c : days)
        EXPECT_EQ(DayIndex(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
    EXPECT_EQ(DayAt(DayIndex(31, editor.DayEntries(4, 2001))), 30);

    // month, year, days in the main window's list, in the editor's
    const int lengths[][4] = {{2, 1900, 29, 28}, {2, 2000, 29, 29}, {2, 2100, 29, 28}, {2, 2024, 29, 29}, {2, 2023, 28, 28},
                              {4, 1900, 30, 30}, {12, 1900, 31, 31}, {0, 1900, 31, 31}, {13, 2000, 31, 31}};
    for (const auto& c : lengths)
        EXPECT_EQ(std::make_pair(main.DayEntries(c[0], c[1]), editor.DayEntries(c[0], c[1])), std::make_pair(c[2], c[3])) << c[0] << "/" << c[1];
}

// A drawing laid out at 96 dpi drawn at 1.5 times: rectangles by their
// rounded edges, not sizes, so the two that touch still touch; lines, pens
// and text exactly; a whole-pixel line never thinner than one pixel.
TEST(ScaledCanvas, RoundsEdgesAndScalesTheRestExactly)
{
    RecordingCanvas out;
    ScaledCanvas canvas(out, 1.5f);
    canvas.FillRectangle(1, 1, 1, 3, Colours::red);
    canvas.FillRectangle(2, 1, 1, 3, Colours::blue);
    canvas.DrawRectangle(1, 1, 2, 2, Colours::black, 2);
    canvas.DrawLine(1, 2, 3, 4.5f, Colours::black, 1);
    canvas.DrawLineI(1, 1, 3, 3, Colours::black, 1);
    canvas.DrawText("x", 10, 21, {"Verdana", 12, true}, Colours::black);
    ScaledCanvas(out, 0.2f).DrawLineI(0, 0, 10, 10, Colours::black, 1);
    // Grown more down than across: each length its own way, a line's width
    // across it, text by the smaller scale.
    RecordingCanvas uneven;
    ScaledCanvas wide(uneven, 1.5f, 2);
    wide.FillRectangle(1, 1, 3, 3, Colours::red);
    wide.DrawLineI(10, 0, 10, 9, Colours::black, 4);
    wide.DrawLineI(0, 10, 9, 10, Colours::black, 4);
    wide.DrawLine(0, 0, 1, 1, Colours::black, 2);
    wide.DrawImage("Image", 1, 2, 10, 20);
    wide.DrawText("x", 10, 10, {"Verdana", 12, true}, Colours::black);
    ExpectGolden("scaled-canvas.txt", "1.5\n" + out.Listing() + "1.5 x 2\n" + uneven.Listing());
    // A drawing is centred in the room beyond its height, when there is room.
    for (auto [height, top] : {std::pair{576, 12.0f}, {578, 1.0f}, {577, 0.5f}, {0, 12.0f}}) EXPECT_EQ(CentredTop(height, 576, 12), top) << height;
}

TEST(SafeFileWriter, NeverFollowsWhatIsThereAndKeepsPermissions)
{
    TempDir dir, outside;
    outside.Write("victim", "keep");
    ASSERT_EQ(symlink(outside.path("victim").c_str(), dir.path("link").c_str()), 0);
    ASSERT_EQ(symlink(outside.path("missing").c_str(), dir.path("dangling").c_str()), 0);
    for (const char* name : {"link", "dangling"})
        EXPECT_EQ(WriteNewFileDurably(dir.path(name), "new", ""), NewFile::NameTaken) << name;
    EXPECT_EQ(outside.Read("victim") + std::to_string(outside.EntryCount()), "keep1");

    chmod(dir.Write("private.ini", "old").c_str(), 0600);
    struct stat st;
    EXPECT_TRUE(WriteTextFileSafely(dir.path("private.ini"), "new\n") && stat(dir.path("private.ini").c_str(), &st) == 0 && (st.st_mode & 07777) == 0600u);

    // Nothing its readers would refuse, counted as they count: 1 MiB on the
    // disk, with CR LF while they fit, with line feeds alone where only
    // those fit, and not a byte more.
    const std::string half(kMaxDataFileBytes / 2, '\n'), whole(kMaxDataFileBytes, '\n');
    const struct { std::string text; DiskForm form; } forms[] = {
        {"", DiskForm::crLf}, {half, DiskForm::crLf}, {half + "x", DiskForm::lineFeed}, {whole, DiskForm::lineFeed}, {whole + "x", DiskForm::tooLarge},
    };
    for (const auto& f : forms)
        EXPECT_EQ(std::make_pair(DiskFormOf(f.text), WriteTextFileSafely(dir.path("big.ini"), f.text)),
                  std::make_pair(f.form, f.form != DiskForm::tooLarge)) << f.text.size();
    EXPECT_EQ(std::make_pair(LineEndsOf(DiskForm::crLf), LineEndsOf(DiskForm::lineFeed)), std::make_pair(LineEnds::textMode, LineEnds::lineFeed));
    // Where the file cannot be made, or cannot take the target's place,
    // nothing is written and nothing is left.
    TempDir spare;
    EXPECT_FALSE(WriteTextFileSafely(spare.path("missing/x.ini"), "x") || WriteTextFileSafely(spare.dir(), "x") || spare.EntryCount() != 0);
    // Each temporary name is fresh, and the cleaner knows it.
    const std::string temp = FreshTempName("oc.ini"), second = FreshTempName("oc.ini"), third = FreshTempName("oc.ini");
    EXPECT_TRUE(IsTempName(temp) && temp.rfind("oc.ini.", 0) == 0 && temp != second && second != third && temp != third) << temp;
}

TEST(SafeFileWriter, RemovesOnlyItsOwnStaleTemporaryFiles)
{
    TempDir dir;
    const long old = 100000000;  // seconds
    const struct { const char* name; long age; bool removed; } files[] = {
        {"oc.ini.0123456789ab.tmp", old, true}, {"Ann Smith.ini.ffffffffffff.tmp", old, true}, {"report.tmp", old, false}, {"oc.ini", old, false},
        {"oc.ini.0123456789ab.tmp", 0, false},  // a write under way in another process
        {"oc.ini.0123456789ab.tmp", 595, false}, {"oc.ini.0123456789ab.tmp", 605, true},  // stale after ten minutes
        {"oc.ini.0123456789AB.tmp", old, false}, {"oc.ini.0123456789a.tmp", old, false}, {"oc.ini.0123456789abc.tmp", old, false},
        {"oc.ini.g123456789ab.tmp", old, false}, {"oc.ini.0123456789a:.tmp", old, false}, {"oc.ini.`123456789ab.tmp", old, false},
        {"oc.ini-0123456789ab.tmp", old, false}, {".0123456789ab.tmp", old, false}, {"oc.ini.0123456789ab.tmp.jpg", old, false},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = dir.Write(file.name, "x");
        const utimbuf then{std::time(nullptr) - file.age, std::time(nullptr) - file.age};
        ASSERT_TRUE(!file.age || utime(path.c_str(), &then) == 0);
        RemoveStaleTemporaryFiles(dir.dir());
        EXPECT_EQ(access(path.c_str(), F_OK) != 0, file.removed);
        std::remove(path.c_str());
    }
}

// Control characters become blanks; a cut backs off to the start of a UTF-8
// sequence, three bytes at most, and never past the text's start.
TEST(ShownText, ControlsBlankedAndCutsKeepWholeCharacters)
{
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"a\x01\x7F" "b", 9, "a  b"}, {"abcdef", 4, "abcd..."}, {"ab\xE2\x82\xAC", 4, "ab..."}, {"a\xF0\x9F\x98\x80" "b", 4, "a..."},
        {"a\x80\x80\x80\x80\x80", 5, "a\x80..."}, {"\x80\x80\x80\x80\x80", 2, "..."}};
    for (const auto& [text, longest, shown] : cases)
        EXPECT_EQ(ShownText(text, longest), shown) << text;
}

// Timing is written only where ORACLINE_TIMING names a file.
TEST(ReportTiming, AppendsANamedLineOnlyWhenAsked)
{
    TempDir dir;
    { unsetenv("ORACLINE_TIMING"); ReportTiming off("none"); }
    { setenv("ORACLINE_TIMING", dir.path("t.log").c_str(), 1); ReportTiming on("draw"); }
    unsetenv("ORACLINE_TIMING");
    EXPECT_EQ(dir.Read("t.log").substr(0, 5), "draw ");
}

TEST(SafeFileWriter, WritersAtOnceLeaveOneWholeVersion)
{
    TempDir dir;
    const std::string a(20000, 'a'), b(30000, 'b');
    WriteTextFileSafely(dir.path("oc.ini"), a);
    std::atomic<int> failures{0}, done{0};
    auto writer = [&](const std::string& text) {
        for (int i = 0; i < 150; ++i)
            failures += !WriteTextFileSafely(dir.path("oc.ini"), text);
        ++done;
    };
    std::thread first(writer, a), second(writer, b);
    for (std::string seen; done < 2; failures += seen != a && seen != b)  // a reader in between
        seen = dir.Read("oc.ini");
    first.join();
    second.join();
    EXPECT_EQ(std::to_string(failures) + " failures, " + std::to_string(dir.EntryCount()) + " file", "0 failures, 1 file");  // no temporary file left behind
}

}  // namespace

// High contrast on the screen: text and ink take the text colour, grey
// grounds the background, a bar or mark keeps its hue inside an outline of
// the text colour, a thin coloured line keeps its hue, images pass as they
// are.
TEST(ContrastCanvas, InkAndGroundsTakeTheSystemColoursBarsKeepTheirHues)
{
    RecordingCanvas out;
    ContrastCanvas canvas(out, {Colours::black, Colours::yellow});
    canvas.DrawText("Emotional", 1, 2, {"Verdana", 12, true}, Colours::maroon);
    canvas.FillRectangle(0, 0, 800, 480, Colours::grey);
    canvas.FillRectangle(5, 6, 10, 10, Colours::green);
    canvas.DrawRectangle(1, 1, 20, 30, Colours::black, 2);
    canvas.DrawLine(130, 10, 130, 300, Colours::black, 4);
    canvas.DrawLine(0, 0, 10, 5, Colours::blue, 2);
    canvas.DrawLine(185, 458, 185, 398, Colours::white, 40);
    canvas.DrawLineI(290, 458, 290, 458, Colours::red, 40);
    canvas.DrawLine(0, 0, 0.3f, 0.4f, Colours::red, 5);  // a sloped bar shorter than a pixel
    canvas.DrawLineI(1, 2, 3, 4, Colours::grey, 4);
    ExpectGolden("contrast-canvas.txt", out.Listing());
    EXPECT_FALSE(Colours::black == Colours::red || Colours::black == Colours::blue);  // equal only in all three channels
}
