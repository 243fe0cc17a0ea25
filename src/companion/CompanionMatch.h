#pragma once
// How well two people go together in love, friendship and business, judged
// by what the program's own pages promise: soul numbers that complete each
// other make soul mates, signs of one element understand each other best,
// and every sign's page names its most and least compatible signs.
#include "engine/ZodiacSigns.h"

#include <string>
#include <vector>

// One person as the match sees them.
struct CompanionPerson {
    std::string fullName;
    Sign sign = Sign::None;
    int soulNumber = -1;  // 0 to 9; anything else completes nothing
};

struct CategoryMatch {
    bool good = false;
    std::string reason;  // a short clause, e.g. "Leo and Aries are both Fire signs"
};

struct CompanionMatch {
    CategoryMatch love;
    CategoryMatch friendship;
    CategoryMatch business;
};

// The same number, or one of the pairs the soul number page lists (0 and 7,
// 1 and 6, 2 and 5, 3 and 4, 8 and 8, 9 and 7), read both ways.
bool SoulNumbersComplete(int first, int second);

// Fire, Earth, Air, Water follow each other round the zodiac from Aries.
bool SameElement(Sign first, Sign second);
std::string ElementName(Sign sign);

// The three results; swapping the two people never changes a result.
CompanionMatch MatchCompanions(const CompanionPerson& first, const CompanionPerson& second);

// The rule above in plain words, one sentence a line, for the explanation
// page and the help topic.
std::vector<std::string> MatchingRuleLines();
