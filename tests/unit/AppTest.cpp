#include "app/HelpTopics.h"
#include "app/MainWindowRules.h"
#include "app/OperatingSystemName.h"
#include "app/ReleaseDate.h"
#include "app/SharedDataImport.h"
#include "schedule/ScheduleRecord.h"
#include "base/ScreenPlacement.h"

#include "TestSupport.h"

#include <filesystem>

namespace {

const CivilDate kToday{2026, 12, 7};

// The tip's focus decides what Enter does, so it is checked by name here;
// the window's own cases are driven end to end.
TEST(MainWindowRules, SelectionDecidesButtonsAndTip)
{
    const struct { int selected, rows; CivilDate date; const char* buttons; QuickTip tip; TipFocus focus; } cases[] = {
        {0, 1, kToday, "------?", QuickTips::selectProfile, TipFocus::Help}, {0, 0, kToday, "------?", QuickTips::addProfile, TipFocus::AddProfile},
        {1, 1, kToday, "EDA-SRO", QuickTips::analyzeOrDreams, TipFocus::Dreams},
        {1, 1, {2026, 12, 8}, "EDA-S-O", QuickTips::analyzeDay, TipFocus::AnalyzeDay},
        {1, 1, {2026, 11, 30}, "EDA-SRO", QuickTips::analyzeOrDreams, TipFocus::Dreams},
        // Two rows are a companion pair, whatever the date.
        {2, 2, {2030, 1, 1}, "---C---", QuickTips::companion, TipFocus::Companion}, {3, 5, kToday, "------?", QuickTips::onlyTwo, TipFocus::Help},
    };
    for (const auto& c : cases) {
        const ButtonStates s = SelectionRules(c.selected, c.rows, c.date, kToday);
        SCOPED_TRACE(&c - cases);
        // Each button's initial or -, with O(pen report) ? while it is left as it was.
        std::string buttons;
        for (bool on : {s.editProfile, s.deleteProfile, s.analyzeDay, s.companion, s.schedule, s.dreams})
            buttons += on ? "EDACSR"[buttons.size()] : '-';
        EXPECT_EQ(buttons + (!s.openReport ? '?' : *s.openReport ? 'O' : '-'), c.buttons);
        EXPECT_EQ(std::make_pair(std::string(s.tip.text), s.tip.focus), std::make_pair(std::string(c.tip.text), c.focus));
    }
    EXPECT_EQ(TipText(QuickTips::help) + "|" + TipText(QuickTips::newProfile), "Make sure that you read ALL help topics.|In most cases you should " +
              ColourChange("white") + "NOT" + ColourChange("yellow") + " use \"Personal Data For Calculation\" right away.");
}

TEST(MainWindowRules, Placement)
{
    // Room is left for the tip strip; a window too big goes negative.
    const int placements[][4] = {
        // screen, window, x, y
        {1024, 730, 147, 104}, {1024, 1024, 0, -85}, {800, 815, -15, -100},
        {800, 714, 43, 0},  // exactly 85 left: no room, so not halved
        {800, 713, 43, 1}, {1024, 701, 161, 119}, {1025, 1024, 0, -84},  // half of one pixel rounds down
    };
    for (const auto& c : placements)
        EXPECT_EQ(std::make_pair(CentredOrigin(c[0], c[1]), MainWindowY(c[0], c[1])), std::make_pair(c[2], c[3])) << c[0] << " " << c[1];
    EXPECT_EQ(std::make_pair(CentredOrigin(INT_MAX, INT_MIN), CentredOrigin(INT_MIN, INT_MAX)), std::make_pair(INT_MAX, INT_MIN));
}

// Every topic's name and page text; a number outside the list has neither.
TEST(HelpTopics, EachTopicAndNoneOutsideTheList)
{
    ExpectGolden("help-topics.txt", Rows([](int i) { return HelpTopicName(i - 1) + "\n" + HelpTopicText(i - 1) + "\n"; }, kHelpTopicCount + 2));
}

TEST(OperatingSystemName, MapsKnownVersionsAndNothingElse)
{
    const struct { int platform, major, minor; const char* name; } cases[] = {
        {0, 3, 10, "32"}, {1, 4, 0, "95"}, {1, 4, 90, "ME"}, {1, 4, 3, ""}, {2, 3, 51, "NT"}, {2, 5, 2, "XP"}, {2, 6, 1, ""},
        {1, 4, 10, "98"}, {1, 5, 10, ""}, {2, 4, 0, "NT"}, {2, 5, 0, "2000"}, {2, 6, 0, ""}, {2, 5, 1, "XP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OperatingSystemName(c.platform, c.major, c.minor), c.name) << c.platform << " " << c.major << "." << c.minor;
}

TEST(ReleaseDate, CompilerDateBecomesMonthDayYear)
{
    for (const auto& [date, text] : {std::pair{"Sep  1 2005", "9/1/2005"}, {"Dec 17 2026", "12/17/2026"}, {"Jan 31 2026", "1/31/2026"},
                                     {"Foo  1 2005", ""}, {"Jan  0 2005", ""}, {"Jan 32 2005", ""}, {"Jan  1 0000", ""}, {"Jan  1 0001", "1/1/1"}})
        EXPECT_EQ(ReleaseDateText(date), text) << date;
    EXPECT_FALSE(ReleaseDateText(__DATE__).empty());
}

// An account's first start copies what the shared folder holds, once, and
// never changes the originals or what the account has already.
TEST(SharedDataImport, CopiesOnceAndKeepsEverythingThere)
{
    TempDir shared, sharedReports, data, reports, scratch;
    const DataFolders folders{shared.dir(), sharedReports.dir(), data.dir(), reports.dir()};
    EXPECT_EQ(ImportSharedData(folders), SharedDataImport::nothingToCopy);
    const std::string index = "Profile:Ann\r\nDescription:Home\r\nAdjustment:Automatic\r\nProfile:Bo\r\nDescription:Work\r\nAdjustment:Manual\r\n";
    const std::pair<const TempDir*, std::string> files[] = {
        {&shared, "oc.ini"}, {&shared, "Home.ini"}, {&shared, "Work.ini"}, {&shared, "Extra.ini"},
        {&shared, "contacts.ini"}, {&sharedReports, "M.JPG"}, {&sharedReports, "notes.txt"}, {&sharedReports, ".jpg"}};
    for (const auto& f : files)
        f.first->Write(f.second, f.second == "oc.ini" ? index : "shared " + f.second);
    // Reports up to 64 MiB are copied (the files are sparse: nothing is written for them).
    for (const auto& [name, bytes] : {std::pair{"big.jpg", 64 << 20}, {"huge.jpg", (64 << 20) + 1}})
        std::filesystem::resize_file(sharedReports.Write(name, ""), bytes);
    shared.Write("task.dtr", "Profile:" + shared.path("Work.ini") + "\r\nEmail:bo@x.org\r\nType:1\r\n");
    data.Write("Work.ini", "the account's own");

    EXPECT_EQ(ImportSharedData(folders), SharedDataImport::copied);
    EXPECT_EQ(data.Read("oc.ini") + data.Read("Home.ini") + data.Read("Work.ini") + data.Read("contacts.ini"),
              index + "shared Home.ini" + "the account's own" + "shared contacts.ini");
    // Held until the user confirms it, and said so at the next start.
    EXPECT_EQ(data.Read("task.dtr"), "Copied:" + shared.dir() + "\nProfile:" + data.path("Work.ini") + "\nEmail:bo@x.org\nType:1\n");
    const std::string work = "\n\nThe daily report of " + ScheduledFileName(data.path("Work.ini")),
                      stays = " stays off until you confirm it with Save in the Schedule dialog.    ";
    EXPECT_EQ(CopiedScheduleText(data.path("task.dtr")), work + " in full colors to bo@x.org" + stays);
    const std::string confirmed = "Profile:" + data.path("Work.ini") + "\nEmail:bo@x.org\nTime:13:5PM\nType:0\n";
    EXPECT_EQ(CopiedScheduleText(scratch.Write("confirmed.dtr", confirmed)), "");
    EXPECT_EQ(CopiedScheduleText(scratch.Write("copied.dtr", "Copied:x\n" + confirmed)), work + " in plain text to bo@x.org at 13:05" + stays);
    EXPECT_EQ(reports.Read("M.JPG") + std::to_string(std::filesystem::file_size(reports.path("big.jpg"))), "shared M.JPG" + std::to_string(64 << 20));
    EXPECT_EQ(data.EntryCount() + reports.EntryCount(), 8);  // the notice too, and nothing else
    for (const auto& f : files)
        EXPECT_EQ(f.first->Read(f.second), f.second == "oc.ini" ? index : "shared " + f.second);
    EXPECT_TRUE(TakeImportNotice(data.dir()) && !TakeImportNotice(data.dir()));  // told once

    shared.Write("oc.ini", "Profile:Cy\nDescription:Play\nAdjustment:Manual\n");
    EXPECT_TRUE(ImportSharedData(folders) == SharedDataImport::nothingToCopy && data.Read("oc.ini") == index);

    // Only a profile directly in the shared folder moves with the record.
    const std::string from = "C:\\Program Files\\Oracline\\", to = "C:\\Users\\Jo\\Oracline\\";
    const std::pair<std::string, std::string> records[] = {
        {"Profile:c:\\program files\\oracline\\Jo.ini", "Profile:" + to + "Jo.ini"},
        {"Profile:" + from + "sub\\Jo.ini", "Profile:" + from + "sub\\Jo.ini"},
        {"Profile:C:\\Other\\Jo.ini", "Profile:C:\\Other\\Jo.ini"}, {"Profile:" + from, "Profile:" + from}};
    for (const auto& r : records)
        EXPECT_EQ(RepointScheduleRecord(r.first + "\nTime:7:0AM", {from, "", to, ""}), "Copied:" + from + "\n" + r.second + "\nTime:7:0AM\n");
}

}  // namespace
