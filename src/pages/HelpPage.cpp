#include "pages/HelpPage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

std::string WriteHelpPage(PageSink& sink, const std::string& text)
{
    if (text.empty())
        return WritePage(sink, "help.htm",
                         WhitePage("<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"0\" "
                                   "cellspacing=\"0\" height=\"100%\" width=\"100%\"><tr><td align=\"center\">"
                                   "<font color=\"black\" size=\"5\" face=\"Verdana\"><b>Help Wizard" +
                                   RunEnd() + "</td></tr></table></center>"));
    return WritePage(sink, "help.htm",
                     WhitePage(TableStart() + "<tr><td>" + BodyRun() + text + RunEnd() + "</td></tr></table>" +
                               ParagraphBreak() + PrintLink("green")));
}
