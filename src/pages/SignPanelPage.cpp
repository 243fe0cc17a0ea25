#include "pages/SignPanelPage.h"

#include "pages/MovingPicture.h"
#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

namespace {

// The stripes under the words, from top to bottom.
const char* const kStripeColours[8] = {"gray", "gray", "white", "gray", "yellow", "gray", "green", "gray"};

// One letter a line, a gap between the words.
std::string Downwards(const std::string& words)
{
    std::string text;
    bool wordStart = true;
    for (char c : words) {
        if (c == ' ') {
            text += ParagraphBreak() + LineBreak();
            wordStart = true;
            continue;
        }
        if (!wordStart)
            text += LineBreak();
        text += c;
        wordStart = false;
    }
    return text;
}

bool WriteSignPanelContent(PageSink& sink, const std::string& signImagePath)
{
    std::string page = PageHead(2) + BodyTag(PageBody::NoScrollStartsScript) +
                       "<center><div id=\"mvpic\" STYLE=\"position:absolute;visibility:visible;\"><img src=\"" +
                       signImagePath + "\" border=\"0\"></div></center>";
    page += MovingPictureScript();
    page += AntiSelectionScript();
    page += "<center>" + TableStart() + "<tr><td align=\"center\">" + HeadingRun() + Downwards("Your Zodiac Sign") +
            RunEnd() + "</td></tr>";
    for (const char* colour : kStripeColours)
        page += std::string("<tr><td align=\"center\" height=\"15\" bgcolor=\"") + colour + "\"></td></tr>";
    page += "</table></center></body></html>";
    return sink.Write("sign_r.htm", page);
}

}  // namespace

std::string WriteSignPanelPage(PageSink& sink, const std::string& signImagePath)
{
    const bool redirectWritten = WriteRedirectPage(sink, "sign_e.htm", "sign_r.htm");
    return WriteSignPanelContent(sink, signImagePath) && redirectWritten ? sink.Folder() + "sign_e.htm" : std::string();
}
