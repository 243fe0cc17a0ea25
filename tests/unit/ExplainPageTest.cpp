#include "daily/ExplainPage.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kBody = "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>";
const std::string kEnd = "</b></font><p>";

TEST(ExplainPage, ContentPieceByPiece)
{
    const std::string content = DailyExplanationContent();
    const std::string before =
        "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Daily Report Analysis Explained</b></font><p>" +
        kBody +
        "Zodiac Sign and Soul Number readings are explained in the Profiles section. After you create a profile "
        "and enter birthday information click on the Sign and Number buttons." +
        kEnd + kBody + "Day Reading falls into three categories: normal, good and bad. ";
    const std::string after =
        kEnd + kBody +
        "The fear of the Evil Eye is universal and many superstitious gestures, formulas and amulets were devised "
        "to fight its evil glances. It is widely believed that some people have an ability to cast a spell on "
        "their enemies by just looking at them. The concept of the Evil Eye exists in a slightly different form in "
        "Numerology as well. The meaning is still the same. Do not take it lightly. Categories include: Not "
        "susceptible to the Evil Eye, Susceptible to the Evil Eye and Someone put the Evil Eye on you." +
        kEnd + kBody +
        "Lottery numbers are unique daily lucky numbers. Keep in mind that if you buy your lottery ticket today "
        "and the lottery is played two days from now, you need to get your lucky numbers for that date instead." +
        kEnd + kBody +
        "Other Day Readings graph your emotional, physical, intellectual, intuition and fortune highs and lows for "
        "you. The higher the graph the better. The highs and lows should be used to plan your daily activities "
        "and schedule tasks and events. If you need luck, schedule it when your fortune reading is high. Use "
        "physical highs for physically demanding tasks, intellectual highs for intellectually demanding tasks and "
        "emotional highs for emotionally taxing tasks. Finally, use intuition reading when you wonder if you can "
        "trust your \"gut feeling\" or not." +
        kEnd;
    ASSERT_GT(content.size(), before.size() + after.size());
    EXPECT_EQ(content.substr(0, before.size()), before);
    EXPECT_EQ(content.substr(content.size() - after.size()), after);
    // Piece 3 is one sentence of its own between them.
    const std::string sentence = content.substr(before.size(), content.size() - before.size() - after.size());
    EXPECT_EQ(sentence.find('<'), std::string::npos) << sentence;
    EXPECT_EQ(sentence.back(), '.');
}

TEST(ExplainPage, WritesThePairOrNothingToShow)
{
    TempDir dir;
    EXPECT_EQ(WriteDailyExplanationPage(dir.dir()), dir.path("effects.htm"));
    const std::string page = dir.Read("reading.htm");
    EXPECT_NE(page.find("oncontextmenu=\"return false\"><center><script"), std::string::npos) << "body B1";
    const std::string tail = "<tr><td>" + DailyExplanationContent() +
                             "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" "
                             "size=\"4\" face=\"Arial\"><b>Print</b></font></A>"
                             "</td></tr></table><p><br></center></body></html>";
    ASSERT_GE(page.size(), tail.size());
    EXPECT_EQ(page.substr(page.size() - tail.size()), tail);

    TempDir blocked;
    std::filesystem::create_directory(blocked.path("reading.htm"));
    EXPECT_EQ(WriteDailyExplanationPage(blocked.dir()), "");
    EXPECT_NE(blocked.Read("effects.htm"), "") << "the redirect page is written first";
}

}  // namespace
