#include "companion/CompanionPage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

namespace {

std::string Verdict(const char* category, const CategoryMatch& result)
{
    return std::string(category) + (result.good ? "Good Match - " : "Bad Match - ") + result.reason + ".";
}

} // namespace

std::string CompanionExplanationContent(const CompanionMatch& match)
{
    std::string content = Heading("Companion Analysis Explained") +
                          BodyText("This reading is based on matching Zodiac Signs and Soul Numbers in three "
                                   "categories: Love, Friendship and Business.");
    // The page cannot scroll: the rule and the verdicts for these two people
    // are kept to one short paragraph each.
    content += BodyText(Lines(MatchingRuleLines()));
    content += BodyText(Lines({Verdict("Love: ", match.love), Verdict("Friendship: ", match.friendship),
                               Verdict("Business: ", match.business)}));
    return content;
}

std::string WriteCompanionExplanationPage(PageSink& sink, const CompanionMatch& match)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = PageBody::CentredNoScroll;
    page.content = CompanionExplanationContent(match);
    page.printRow = PrintRow::PrintLink;
    page.closing = PageClosing::Tight;
    return WritePagePair(sink, page);
}
