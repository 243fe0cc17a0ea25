#include "companion/CompanionPage.h"

#include "pages/PageStyle.h"
#include "pages/PageWriter.h"

namespace {

std::string Verdict(const char* category, const CategoryMatch& result)
{
    return std::string(category) + (result.good ? "Good Match - " : "Bad Match - ") + result.reason + ".";
}

} // namespace

std::string CompanionExplanationContent(const CompanionPerson& first, const CompanionPerson& second,
                                        const CompanionMatch& match)
{
    std::string content = PageHeading("Companion Analysis Explained") +
                          PageText("This reading is based on matching Zodiac Signs and Soul Numbers in three "
                                   "categories: Love, Friendship and Business.");
    // The page cannot scroll: the rule and the two people's verdicts are kept
    // to one paragraph each.
    content += PageText(MatchingRuleText());
    content += PageText(HtmlText(first.fullName) + " and " + HtmlText(second.fullName) + ":<br>" + Verdict("Love: ", match.love) +
                        "<br>" + Verdict("Friendship: ", match.friendship) + "<br>" +
                        Verdict("Business: ", match.business));
    return content;
}

std::string WriteCompanionExplanationPage(const std::string& dataDirectory, const CompanionPerson& first,
                                          const CompanionPerson& second, const CompanionMatch& match)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = PageBody::B2;
    page.content = CompanionExplanationContent(first, second, match);
    page.printRow = PrintRow::P1;
    page.closing = PageClosing::C3;
    return WritePagePairForWindow(dataDirectory, page);
}
