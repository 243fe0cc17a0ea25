#include "pages/HelpPage.h"

#include "pages/PageSink.h"
#include "pages/PageUrl.h"

std::string WriteHelpPage(PageSink& sink, const std::string& text)
{
    std::string page = "<html><head><title>2005</title></head>"
                       "<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" "
                       "scroll=\"no\" oncontextmenu=\"return false\">";
    if (!text.empty()) {
        page += "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">"
                "<tr><td><font color=\"black\" size=\"2\" face=\"Verdana\"><b>" +
                text + "</b></font></td></tr></table><p><A HREF=\"" + kPrintLink +
                "\"><font color=\"green\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>";
    } else {
        page += "<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"0\" cellspacing=\"0\" "
                "height=\"100%\" width=\"100%\"><tr><td align=\"center\"><font color=\"black\" size=\"5\" "
                "face=\"Verdana\"><b>Help Wizard</b></font></td></tr></table></center>";
    }
    page += "</body></html>";
    return WritePage(sink, "help.htm", page);
}
