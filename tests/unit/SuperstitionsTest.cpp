#include "hourly/Superstitions.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

namespace {

const std::string kKeywordStart = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>";
const std::string kSayingStart = "<p><font color=\"black\">";

// The keywords of each day of the month; read in day order they are also the
// table's order.
const std::vector<std::vector<std::string>> kDays = {
    {"cats", "kiss"}, {"bed"}, {"brooms"}, {"clothes"}, {"garment", "friend"}, {"clover"}, {"eyelash"},
    {"garter"}, {"horseshoe"}, {"ivy", "umbrella"}, {"knock on wood"}, {"ladder"}, {"ladybug"}, {"mirror"},
    {"owl", "wedding ring"}, {"rabbit's foot"}, {"salt"}, {"swan"}, {"sneezing"}, {"bird", "seven"},
    {"crow"}, {"bee"}, {"cricket"}, {"spider"}, {"dogs"}, {"marriage"}, {"wine"}, {"whistling"}, {"pin"},
    {"cheeks"}, {"itching"},
};

std::string KeywordOf(const std::string& entry)
{
    const size_t end = entry.find(kSayingStart);
    return end == std::string::npos ? "" : entry.substr(kKeywordStart.size(), end - kKeywordStart.size());
}

TEST(Superstitions, EveryEntryIsInEntryForm)
{
    std::vector<std::string> keywords;
    for (const auto& day : kDays)
        keywords.insert(keywords.end(), day.begin(), day.end());
    ASSERT_EQ(keywords.size(), size_t(kSuperstitionCount));
    for (int i = 0; i < kSuperstitionCount; ++i) {
        const std::string entry = SuperstitionEntry(i);
        SCOPED_TRACE(keywords[i]);
        EXPECT_EQ(entry.compare(0, kKeywordStart.size(), kKeywordStart), 0);
        EXPECT_EQ(KeywordOf(entry), keywords[i]);
        EXPECT_EQ(entry.substr(entry.size() - 3), "<p>");
        EXPECT_GE(entry.size(), 130u);
        EXPECT_LE(entry.size(), 606u);
        // Plain ASCII, but for the Windows-1252 apostrophe of two sayings.
        const bool curly = i == 1 || i == 33;
        EXPECT_EQ(entry.find('\x92') != std::string::npos, curly);
        for (char byte : entry)
            EXPECT_TRUE(byte == '\x92' || (byte >= 0x20 && byte < 0x7F)) << int(byte & 0xFF);
    }
    EXPECT_EQ(SuperstitionEntry(-1), "");
    EXPECT_EQ(SuperstitionEntry(kSuperstitionCount), "");

    EXPECT_EQ(SuperstitionEntry(16), "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>mirror<p><font "
                                     "color=\"black\">Breaking a mirror brings bad luck for seven years.<p>");
    EXPECT_EQ(SuperstitionEntry(12),
              "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>umbrella<p><font color=\"black\">It is a very "
              "bad luck to open an umbrella inside a building.<p>");
}

TEST(Superstitions, EntriesOfEachDay)
{
    std::map<std::string, std::string> byKeyword;
    for (int i = 0; i < kSuperstitionCount; ++i)
        byKeyword[KeywordOf(SuperstitionEntry(i))] = SuperstitionEntry(i);
    for (int day = 1; day <= 31; ++day) {
        std::string expected;
        for (const std::string& keyword : kDays[day - 1])
            expected += byKeyword[keyword];
        EXPECT_EQ(DailySuperstition(day), expected) << "day " << day;
    }
    for (int day : {0, 32, -1, 1000})
        EXPECT_EQ(DailySuperstition(day), "") << "day " << day;
}

TEST(Superstitions, PageFilesKeepTheBytes)
{
    TempDir dir;
    EXPECT_EQ(WriteSuperstitionPage(dir.dir(), 1), dir.path("super_e.htm"));
    EXPECT_NE(dir.Read("super_e.htm").find(dir.path("super_r.htm")), std::string::npos);
    const std::string page = dir.Read("super_r.htm");
    EXPECT_NE(page.find("oncontextmenu=\"return false\" scroll=\"no\"><script"), std::string::npos)
        << "body B3 has no centring";
    const std::string tail = "<tr><td>" + DailySuperstition(1) +
                             "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" "
                             "size=\"4\" face=\"Arial\"><b>Print</b></font></A>"
                             "</td></tr></table><p><br></body></html>";
    ASSERT_GE(page.size(), tail.size());
    EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
    EXPECT_NE(page.find("you\x92ll"), std::string::npos);

    // A content page that cannot be written keeps the window shut.
    TempDir blocked;
    std::filesystem::create_directory(blocked.path("super_r.htm"));
    EXPECT_EQ(WriteSuperstitionPage(blocked.dir(), 31), "");
}

}  // namespace
