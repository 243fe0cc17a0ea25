#include "companion/CompanionDrawing.h"
#include "companion/CompanionMatch.h"
#include "companion/CompanionPage.h"
#include "companion/CompanionPeople.h"

#include "RecordingCanvas.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

CompanionPerson Person(Sign sign, int number)
{
    return {"", sign, number};
}

bool LeastCompatible(Sign a, Sign b)
{
    const CompanionMatch m = MatchCompanions(Person(a, 0), Person(b, 0));
    return m.friendship.reason.find("least") != std::string::npos;
}

} // namespace

TEST(CompanionMatch, HoldsItsPromisesForEveryPairOfSignsAndNumbers)
{
    int good[3] = {};
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b)
            for (int m = 0; m < 10; ++m)
                for (int n = 0; n < 10; ++n) {
                    const Sign s = static_cast<Sign>(a), t = static_cast<Sign>(b);
                    const CompanionMatch ab = MatchCompanions(Person(s, m), Person(t, n));
                    const CompanionMatch ba = MatchCompanions(Person(t, n), Person(s, m));
                    SCOPED_TRACE(SignName(s) + " " + std::to_string(m) + " / " + SignName(t) + " " +
                                 std::to_string(n));
                    ASSERT_EQ(ab.love.good, ba.love.good);
                    ASSERT_EQ(ab.friendship.good, ba.friendship.good);
                    ASSERT_EQ(ab.business.good, ba.business.good);
                    // Lovers are friends; so are business partners.
                    ASSERT_TRUE(!ab.love.good || ab.friendship.good);
                    ASSERT_TRUE(!ab.business.good || ab.friendship.good);
                    // Soul mates need completing numbers; one element works alike.
                    ASSERT_TRUE(!ab.love.good || SoulNumbersComplete(m, n));
                    if (SameElement(s, t)) {
                        ASSERT_TRUE(ab.friendship.good && ab.business.good);
                    }
                    if (LeastCompatible(s, t)) {
                        ASSERT_FALSE(ab.love.good || ab.friendship.good || ab.business.good);
                    }
                    if (a == b && m == n) {
                        ASSERT_TRUE(ab.love.good);
                    }
                    ASSERT_FALSE(ab.love.reason.empty() || ab.friendship.reason.empty() || ab.business.reason.empty());
                    good[0] += ab.love.good;
                    good[1] += ab.friendship.good;
                    good[2] += ab.business.good;
                }
    // Neither always good nor never: every category tells pairs apart.
    for (int count : good) {
        EXPECT_GT(count, 14400 / 20);
        EXPECT_LT(count, 14400 / 2);
    }
    EXPECT_TRUE(LeastCompatible(Sign::Aries, Sign::Taurus));
    EXPECT_FALSE(LeastCompatible(Sign::Aries, Sign::Libra));
}

TEST(CompanionMatch, PairsWorkedByHand)
{
    struct Case {
        Sign a;
        int m;
        Sign b;
        int n;
        const char* love;  // "+" good or "-" bad, then the reason
        const char* friendship;
        const char* business;
    } const cases[] = {
        {Sign::Aries, 3, Sign::Leo, 4, "+soul numbers 3 and 4 complete each other",
         "+Aries and Leo are both Fire signs", "+Aries and Leo are both Fire signs"},
        {Sign::Aries, 1, Sign::Taurus, 6, "-Aries and Taurus are least compatible signs",
         "-Aries and Taurus are least compatible signs", "-Aries and Taurus are least compatible signs"},
        {Sign::Aries, 1, Sign::Gemini, 2, "-soul numbers 1 and 2 do not complete each other",
         "+Aries and Gemini are most compatible signs",
         "-Aries and Gemini are most compatible signs but soul numbers 1 and 2 do not complete each other"},
        {Sign::Gemini, 8, Sign::Aries, 8, "+soul numbers 8 and 8 complete each other",
         "+Gemini and Aries are most compatible signs",
         "+Gemini and Aries are most compatible signs and soul numbers 8 and 8 complete each other"},
        {Sign::Libra, 7, Sign::Aries, 9, "+soul numbers 7 and 9 complete each other",
         "+soul numbers 7 and 9 complete each other", "-Libra and Aries are neither most nor least compatible"},
        {Sign::Aries, 1, Sign::Libra, 3, "-soul numbers 1 and 3 do not complete each other",
         "-Aries and Libra are neither most nor least compatible and soul numbers 1 and 3 do not complete each other",
         "-Aries and Libra are neither most nor least compatible"},
        // A birth month outside the calendar gives no sign.
        {Sign::None, 5, Sign::Leo, 2, "+soul numbers 5 and 2 complete each other",
         "+soul numbers 5 and 2 complete each other", "-an unknown sign and Leo are neither most nor least compatible"},
    };
    for (const Case& c : cases) {
        const CompanionMatch match = MatchCompanions(Person(c.a, c.m), Person(c.b, c.n));
        const CategoryMatch* got[3] = {&match.love, &match.friendship, &match.business};
        const char* want[3] = {c.love, c.friendship, c.business};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ((got[i]->good ? "+" : "-") + got[i]->reason, want[i]);
        }
    }
    for (auto pair : {std::make_pair(10, 10), std::make_pair(-1, 8), std::make_pair(9, 2), std::make_pair(7, 8)})
        EXPECT_FALSE(SoulNumbersComplete(pair.first, pair.second)) << pair.first << " " << pair.second;
}

TEST(CompanionDrawing, FourLinesPlacedByTheWindowHeightAndBlackOnPaper)
{
    const CompanionResult result{"Jane Doe", "John Smith", true, false, true};
    const std::string texts[4] = {"Jane Doe and John Smith", "Love: Good Match", "Friendship: Bad Match",
                                  "Business: Good Match"};
    const Colour colours[4] = {Colours::black, Colours::blue, Colours::white, Colours::yellow};
    // Unknown, no room, centred, centred, and centred but drawn higher.
    const std::pair<int, float> tops[] = {{0, 36}, {202, 36}, {264, 31}, {300, 49}, {400, 74}};
    for (const auto& top : tops) {
        RecordingCanvas canvas;
        DrawCompanionScreen(canvas, result, top.first);
        ASSERT_EQ(canvas.calls.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const DrawCall want{DrawCall::Text, 36, top.second + 40 * i, 0, 0, colours[i], 0, texts[i],
                                FontSpec{"Verdana", 12, true}};
            EXPECT_TRUE(SameCall(canvas.calls[i], want)) << "h " << top.first << ": " << canvas.calls[i];
        }
    }
    RecordingCanvas paper;
    DrawCompanionPaper(paper, result, 0.25f, 0.2f);
    ASSERT_EQ(paper.calls.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const DrawCall want{DrawCall::Text, 0.75f, 0.7f + 0.4f * i, 0, 0, Colours::black, 0, texts[i],
                            FontSpec{"Verdana", 0.16f, false}};
        EXPECT_TRUE(SameCall(paper.calls[i], want)) << paper.calls[i];
    }
}

TEST(CompanionPeople, ProfileFileGivesSignAndSoulNumberAndNamesAreEscapedOnThePage)
{
    TempDir dir;
    const CompanionPerson jane =
        LoadCompanionPerson(dir.Write("Me.ini", "Name:Jane <b>Doe\r\nYourMonth:8\r\nYourDate:1\r\nYourYear:1990\r\n"));
    EXPECT_EQ(jane.fullName, "Jane <b>Doe");
    EXPECT_EQ(jane.sign, Sign::Leo);
    EXPECT_EQ(jane.soulNumber, 9);  // as the daily analysis gives it
    const CompanionPerson nobody = LoadCompanionPerson(dir.path("missing.ini"));
    EXPECT_EQ(nobody.sign, Sign::Capricorn);

    const std::string content = CompanionExplanationContent(jane, nobody, MatchCompanions(jane, nobody));
    EXPECT_EQ(content.rfind("<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Companion Analysis Explained"
                            "</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>This reading is based "
                            "on matching Zodiac Signs and Soul Numbers in three categories: Love, Friendship and "
                            "Business.</b></font><p>",
                            0),
              0u);
    EXPECT_NE(content.find("Jane &lt;b&gt;Doe and :<br>Love: "), std::string::npos);
}
