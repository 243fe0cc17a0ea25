#include "companion/CompanionDrawing.h"
#include "companion/CompanionMatch.h"
#include "companion/CompanionPeople.h"
#include "profiles/SignTexts.h"

#include "TestSupport.h"

TEST(CompanionMatch, HoldsItsPromisesForEveryPairOfSignsAndNumbers)
{
    int good[3] = {};
    for (int pair = 0; pair < 144 * 100; ++pair) {
        const Sign s = static_cast<Sign>(pair / 1200), t = static_cast<Sign>(pair / 100 % 12);
        const int m = pair / 10 % 10, n = pair % 10;
        const CompanionMatch ab = MatchCompanions({"", s, m}, {"", t, n});
        const CompanionMatch ba = MatchCompanions({"", t, n}, {"", s, m});
        SCOPED_TRACE(SignName(s) + " " + std::to_string(m) + " / " + SignName(t) + " " + std::to_string(n));
        const bool goods[3] = {ab.love.good, ab.friendship.good, ab.business.good};
        ASSERT_EQ(std::vector<bool>(goods, goods + 3), std::vector<bool>({ba.love.good, ba.friendship.good, ba.business.good}));
        // Lovers and business partners are friends; soul mates need completing numbers.
        ASSERT_TRUE(!ab.love.good || (ab.friendship.good && SoulNumbersComplete(m, n)));
        ASSERT_TRUE((!ab.business.good || ab.friendship.good) && (!SameElement(s, t) || (ab.friendship.good && ab.business.good)));
        ASSERT_TRUE(!ListsAsLeastCompatible(s, t) || !(ab.love.good || ab.friendship.good || ab.business.good));
        ASSERT_TRUE(s != t || m != n || ab.love.good);
        ASSERT_FALSE(ab.love.reason.empty() || ab.friendship.reason.empty() || ab.business.reason.empty());
        for (int k = 0; k < 3; ++k)
            good[k] += goods[k];
    }
    // Every category tells pairs apart: none is nearly always good or bad.
    for (int count : good)
        EXPECT_TRUE(count > 14400 / 20 && count < 14400 / 2) << count;
}

// Love, friendship and business, "+" good or "-" bad with the reason. A
// birth month outside the calendar gives no sign; soul numbers outside 0..9
// complete nothing.
TEST(CompanionMatch, PairsWorkedByHand)
{
    const std::pair<CompanionPerson, CompanionPerson> cases[] = {
        {{"", Sign::Aries, 3}, {"", Sign::Leo, 4}},   {{"", Sign::Aries, 1}, {"", Sign::Taurus, 6}},
        {{"", Sign::Aries, 1}, {"", Sign::Gemini, 2}}, {{"", Sign::Libra, 7}, {"", Sign::Aries, 9}},
        {{"", Sign::None, 10}, {"", Sign::Leo, 10}},  {{"", Sign::Taurus, 2}, {"", Sign::Virgo, 5}},
        {{"", Sign::Gemini, 2}, {"", Sign::Aquarius, 5}}, {{"", Sign::Pisces, 2}, {"", Sign::Cancer, 5}},
    };
    std::string listing;
    for (const auto& c : cases) {
        const CompanionMatch match = MatchCompanions(c.first, c.second);
        for (const CategoryMatch* got : {&match.love, &match.friendship, &match.business})
            listing += (got->good ? "+" : "-") + got->reason + "\n";
    }
    ExpectGolden("companion-pairs.txt", listing);
}

TEST(CompanionPeople, OnePersonTwiceIsEqualNamesWhateverTheirCaseWithEqualBirthDates)
{
    const CivilDate born{1970, 5, 4};
    EXPECT_TRUE(IsSamePerson("Jane DOE", born, "jane doe", born));
    EXPECT_FALSE(IsSamePerson("Jane Doe", born, "Jane Doe", {1970, 5, 5}) || IsSamePerson("Jane Doe", born, "Jane  Doe", born));
    EXPECT_EQ(SamePersonMessage("Jane DOE", "JANE Doe"), "jane doe and jane doe - same name/birthdays.   \n"
              "Companion analysis is designed for two different people only.     ");
    // Bytes outside ASCII are left alone rather than mangled by a locale.
    EXPECT_EQ(SamePersonMessage("\xC9MILE", "X").substr(0, 11), "\xC9mile and x");

    // The pair as the main window hands it over, by description: a missing
    // file stops, one person twice is said as information.
    TempDir dir;
    dir.Write("Me.ini", "Name:Jane Doe\nYourMonth:5\nYourDate:4\nYourYear:1970\n");
    dir.Write("Again.ini", "Name:JANE doe\nYourMonth:5\nYourDate:4\nYourYear:1970\n");
    dir.Write("Twin.ini", "Name:JANE doe\nYourMonth:5\nYourDate:5\nYourYear:1970\n");
    const struct { const char *second, *message; bool isError; } pairs[] = {
        {"Ghost", "Unable to read profile \"Ghost\".", true}, {"Again", "jane doe and jane doe -", false}, {"Twin", "", false}};
    for (const auto& pair : pairs) {
        const PairRefusal refusal = RefusalOfPair(dir.dir(), "Me", pair.second);
        EXPECT_EQ(std::make_tuple(refusal.message.substr(0, std::string(pair.message).size()), refusal.message.empty(), refusal.isError),
                  std::make_tuple(std::string(pair.message), !*pair.message, pair.isError)) << pair.second;
    }
}

// The window's client height places the lines: unknown, no room, centred,
// centred, and from a centred top of 62 on drawn 25 higher; then the lines
// on paper.
TEST(CompanionDrawing, FourLinesPlacedByTheWindowHeightAndBlackOnPaper)
{
    const CompanionResult result{"Jane Doe", "John Smith", true, false, true};
    std::string listing;
    for (int height : {0, 202, 264, 300, 325, 326, 400}) {
        RecordingCanvas screen;
        DrawCompanionScreen(screen, result, height);
        listing += "h " + std::to_string(height) + "\n" + screen.Listing();
    }
    RecordingCanvas paper;
    DrawCompanionPaper(paper, result, 0.25f, 0.2f);
    ExpectGolden("companion.txt", listing + "paper\n" + paper.Listing());
}
