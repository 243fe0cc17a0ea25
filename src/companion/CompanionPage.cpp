#include "companion/CompanionPage.h"

#include "pages/PageStyle.h"
#include "pages/PageWriter.h"

namespace {

std::string Verdict(const char* category, const CategoryMatch& result)
{
    return std::string(category) + (result.good ? "Good Match - " : "Bad Match - ") + result.reason + ".";
}

} // namespace

std::string CompanionExplanationContent(const CompanionMatch& match)
{
    std::string content = PageHeading("Companion Analysis Explained") +
                          PageText("This reading is based on matching Zodiac Signs and Soul Numbers in three "
                                   "categories: Love, Friendship and Business.");
    // The page cannot scroll: the rule and the verdicts for these two people
    // are kept to one short paragraph each.
    content += PageText(MatchingRuleText());
    content += PageText(Verdict("Love: ", match.love) + "<br>" + Verdict("Friendship: ", match.friendship) +
                        "<br>" + Verdict("Business: ", match.business));
    return content;
}

std::string WriteCompanionExplanationPage(PageSink& sink, const CompanionMatch& match)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = PageBody::B2;
    page.content = CompanionExplanationContent(match);
    page.printRow = PrintRow::P1;
    page.closing = PageClosing::C3;
    return WritePagePair(sink, page);
}
