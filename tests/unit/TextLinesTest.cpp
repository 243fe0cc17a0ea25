#include "profiles/TextLines.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST(TextLines, SplitsLikeA500ByteFgetsBuffer)
{
    const std::string j498(498, 'j'), j499(499, 'j'), j500(500, 'j');
    const std::pair<std::string, Lines> cases[] = {
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a\rb"}},  // a lone CR stays, and no final line feed is needed
        {"\n\n", {"", ""}},
        {"", {}},
        {j499 + "\nk\n", {j499, "", "k"}},  // the piece is full before its line feed
        {j498 + "\r\nk\r\n", {j498, "k"}},  // CR LF counts as one character
        {j500 + "\n", {j499, "j"}},
        {"ab\0cd\nef\n"s, {"ab", "ef"}},  // a line ends at its first NUL
    };
    for (const auto& c : cases) {
        TempDir dir;
        Lines lines;
        EXPECT_TRUE(ForEachLine(dir.Write("f", c.first), [&](const std::string& l) { lines.push_back(l); }));
        EXPECT_EQ(lines, c.second) << c.first;
    }
}

TEST(TextLines, OddFilesYieldNothingOrEverything)
{
    TempDir dir;
    int calls = 0;
    auto count = [&](const std::string&) { ++calls; };
    EXPECT_FALSE(ForEachLine(dir.path("missing"), count));
    ForEachLine(dir.dir(), count);  // opens on POSIX, but must read nothing
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(CanOpenForReading(dir.path("missing")));
    EXPECT_FALSE(CanOpenForReading(dir.dir()));
    EXPECT_TRUE(CanOpenForReading(dir.Write("empty", "")));

    std::string bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += std::string(700, static_cast<char>(i)) + "\n";
    std::string last;
    ForEachLine(dir.Write("big", bytes + "last"), [&](const std::string& l) { last = l; });
    EXPECT_EQ(last, "last");
}

TEST(TextLines, LeadingIntegerReadsLikeAtoiWithoutOverflow)
{
    const std::pair<const char*, int> cases[] = {
        {"5", 5},    {" 5", 5},   {"\t 12", 12}, {"5abc", 5},  {"abc", 0},   {"", 0},
        {"-3", -3},  {"+7", 7},   {"- 3", 0},    {"1 2", 1},   {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN}, {"99999999999999999999999", INT_MAX}, {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingInteger(c.first), c.second) << '"' << c.first << '"';
}

}  // namespace
