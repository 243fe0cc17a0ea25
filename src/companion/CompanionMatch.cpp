#include "companion/CompanionMatch.h"

#include "profiles/SignTexts.h"

namespace {

enum class SignBond { Least, Neutral, Most, SameElement };

SignBond BondOf(Sign first, Sign second)
{
    if (SameElement(first, second))
        return SignBond::SameElement;
    // The sign pages list each other both ways (the matching tests hold the
    // result the same in either order), so one page's listing decides.
    if (ListsAsLeastCompatible(first, second))
        return SignBond::Least;
    if (ListsAsMostCompatible(first, second))
        return SignBond::Most;
    return SignBond::Neutral;
}

std::string Signs(const CompanionPerson& first, const CompanionPerson& second)
{
    return (first.sign == Sign::None ? std::string("an unknown sign") : SignName(first.sign)) + " and " +
           (second.sign == Sign::None ? std::string("an unknown sign") : SignName(second.sign));
}

std::string Numbers(const CompanionPerson& first, const CompanionPerson& second)
{
    return "soul numbers " + std::to_string(first.soulNumber) + " and " + std::to_string(second.soulNumber);
}

std::string BondClause(SignBond bond, const CompanionPerson& first, const CompanionPerson& second)
{
    switch (bond) {
    case SignBond::SameElement:
        return Signs(first, second) + " are both " + ElementName(first.sign) + " signs";
    case SignBond::Most:
        return Signs(first, second) + " are most compatible";
    case SignBond::Least:
        return Signs(first, second) + " are least compatible";
    case SignBond::Neutral:
        break;
    }
    return Signs(first, second) + " are neither most nor least compatible";
}

std::string NumberClause(bool complete, const CompanionPerson& first, const CompanionPerson& second)
{
    return Numbers(first, second) + (complete ? " complete each other" : " do not complete");
}

} // namespace

std::vector<std::string> MatchingRuleLines()
{
    // Each sentence is kept to one line of the explanation page, which
    // cannot scroll.
    return {"Soul numbers complete each other when equal or paired 0-7, 1-6, 2-5, 3-4 or 9-7.",
            "Signs of one element get on best; sign pages list most and least compatible signs.",
            "Love: good when the soul numbers complete and the signs are not least compatible.",
            "Friendship: good when the signs are most compatible, or when Love is good.",
            "Business: good for one element, or most compatible signs with completing numbers."};
}

bool SoulNumbersComplete(int first, int second)
{
    if (first < 0 || first > 9 || second < 0 || second > 9)
        return false;
    return first == second || first + second == 7 || (first == 9 && second == 7) || (first == 7 && second == 9);
}

bool SameElement(Sign first, Sign second)
{
    return first != Sign::None && second != Sign::None &&
           static_cast<int>(first) % 4 == static_cast<int>(second) % 4;
}

std::string ElementName(Sign sign)
{
    static const char* const kElements[4] = {"Fire", "Earth", "Air", "Water"};
    return sign == Sign::None ? std::string() : kElements[static_cast<int>(sign) % 4];
}

CompanionMatch MatchCompanions(const CompanionPerson& first, const CompanionPerson& second)
{
    const SignBond bond = BondOf(first.sign, second.sign);
    const bool complete = SoulNumbersComplete(first.soulNumber, second.soulNumber);
    const bool most = bond == SignBond::Most || bond == SignBond::SameElement;
    const std::string signs = BondClause(bond, first, second);
    const std::string numbers = NumberClause(complete, first, second);

    CompanionMatch match;
    match.love.good = complete && bond != SignBond::Least;
    match.love.reason = complete && bond == SignBond::Least ? signs : numbers;

    match.friendship.good = most || (complete && bond != SignBond::Least);
    if (most || bond == SignBond::Least)
        match.friendship.reason = signs;
    else
        match.friendship.reason =
            match.friendship.good ? numbers : Signs(first, second) + " are not most compatible and " + numbers;

    match.business.good = bond == SignBond::SameElement || (most && complete);
    if (bond == SignBond::SameElement || !most)
        match.business.reason = signs;
    else
        match.business.reason = signs + (complete ? " and " : " but ") + numbers;
    return match;
}
