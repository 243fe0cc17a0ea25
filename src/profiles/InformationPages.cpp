#include "profiles/InformationPages.h"

#include "engine/PersonalNumbers.h"
#include "pages/MovingPicture.h"
#include "pages/PageWriter.h"
#include "profiles/ChineseYears.h"
#include "engine/Profile.h"
#include "profiles/SignTexts.h"
#include "profiles/SoulNumberTexts.h"
#include "engine/ZodiacSigns.h"

namespace {

const char* const kYellowBold = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>";
const char* const kEnd = "</b></font><p>";

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
    page.body = PageBody::B1;
    page.content = content;
    page.printRow = printRow;
    page.closing = closing;
    return WritePagePair(sink, page);
}

// The stripes under the words, from top to bottom.
const char* const kStripeColours[8] = {"gray", "gray", "white", "gray", "yellow", "gray", "green", "gray"};

bool WriteSignPanelContent(PageSink& sink, const std::string& signImagePath)
{
    std::string page = PageHead(2) + BodyTag(PageBody::B4) +
                       "<center><div id=\"mvpic\" STYLE=\"position:absolute;visibility:visible;\"><img src=\"" +
                       signImagePath + "\" border=\"0\"></div></center>";
    page += MovingPictureScript();
    page += AntiSelectionScript();
    page += "<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">"
            "<tr><td align=\"center\">"
            "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Y<br>o<br>u<br>r<p><br>Z<br>o<br>d<br>i<br>"
            "a<br>c<p><br>S<br>i<br>g<br>n</b></font></td></tr>";
    for (const char* colour : kStripeColours)
        page += std::string("<tr><td align=\"center\" height=\"15\" bgcolor=\"") + colour + "\"></td></tr>";
    page += "</table></center></body></html>";
    return sink.Write("sign_r.htm", page);
}

}  // namespace

std::string SignPageContent(int month, int day)
{
    const Sign sign = SignOfBirthday(month, day);
    std::string content = kYellowBold + SignText(sign);
    if (sign != Sign::None)
        content += "<br><font color=\"black\">" + Birthstone(sign);
    return content + ZodiacAttractionText() + kEnd;
}

std::string NumberPageContent(const CivilDate& birthday)
{
    const int n = SoulNumberOf(birthday);
    return "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Your soul number is: <font color=\"yellow\">" +
           std::to_string(n) + SoulNumberExplanation() + SoulNumberText(n) + kEnd;
}

std::string YearPageContent(int year)
{
    return kYellowBold + std::string("<font color=\"yellow\">") + std::to_string(year) + " - " +
           ChineseYearText(year) + kEnd;
}

std::string WriteSignPage(PageSink& sink, int month, int day)
{
    return WriteInformationPage(sink, SignPageContent(month, day), PrintRow::P1, PageClosing::C1);
}

std::string WriteNumberPage(PageSink& sink, const CivilDate& birthday)
{
    return WriteInformationPage(sink, NumberPageContent(birthday), PrintRow::P2, PageClosing::C3);
}

std::string WriteYearPage(PageSink& sink, int year)
{
    return WriteInformationPage(sink, YearPageContent(year), PrintRow::P2, PageClosing::C3);
}

std::string WriteSignPanelPage(PageSink& sink, const std::string& signImagePath)
{
    const bool redirectWritten = WriteRedirectPage(sink, "sign_e.htm", "sign_r.htm");
    return WriteSignPanelContent(sink, signImagePath) && redirectWritten ? sink.Folder() + "sign_e.htm" : std::string();
}
