#include "profiles/InformationPages.h"

#include "engine/PersonalNumbers.h"
#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"
#include "profiles/ChineseYears.h"
#include "engine/Profile.h"
#include "profiles/SignTexts.h"
#include "profiles/SoulNumberTexts.h"
#include "engine/ZodiacSigns.h"

namespace {

// The soul number is the own number of the daily reading, so the page and
// the Daily Analysis always agree.
int SoulNumberOf(const CivilDate& birthday)
{
    Profile profile;
    profile.yourMonth = birthday.month;
    profile.yourDate = birthday.day;
    profile.yourYear = birthday.year;
    profile.SetAnalysisDate(birthday);
    ComputeNumbers(profile);
    return profile.ownNumber;
}

std::string WriteInformationPage(PageSink& sink, const std::string& content, PrintRow printRow,
                                 PageClosing closing)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = PageBody::Centred;
    page.content = content;
    page.printRow = printRow;
    page.closing = closing;
    return WritePagePair(sink, page);
}

}  // namespace

std::string SignPageContent(int month, int day)
{
    const Sign sign = SignOfBirthday(month, day);
    std::string content = HeadingRun() + SignText(sign);
    if (sign != Sign::None)
        content += LineBreak() + ColourChange("black") + Birthstone(sign);
    return content + ZodiacAttractionText() + RunEnd() + ParagraphBreak();
}

std::string NumberPageContent(const CivilDate& birthday)
{
    const int n = SoulNumberOf(birthday);
    return BodyRun() + "Your soul number is: " + ColourChange("yellow") + std::to_string(n) + SoulNumberExplanation() +
           SoulNumberText(n) + RunEnd() + ParagraphBreak();
}

std::string YearPageContent(int year)
{
    return HeadingRun() + ColourChange("yellow") + std::to_string(year) + " - " + ChineseYearText(year) + RunEnd() +
           ParagraphBreak();
}

std::string WriteSignPage(PageSink& sink, int month, int day)
{
    return WriteInformationPage(sink, SignPageContent(month, day), PrintRow::PrintLink, PageClosing::Gap);
}

std::string WriteNumberPage(PageSink& sink, const CivilDate& birthday)
{
    return WriteInformationPage(sink, NumberPageContent(birthday), PrintRow::PrintLinkThenGap, PageClosing::Tight);
}

std::string WriteYearPage(PageSink& sink, int year)
{
    return WriteInformationPage(sink, YearPageContent(year), PrintRow::PrintLinkThenGap, PageClosing::Tight);
}
