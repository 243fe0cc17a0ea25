#include "pages/HelpPage.h"

#include <cstdio>

std::string WriteHelpPage(const std::string& dataDirectory, const std::string& text)
{
    const std::string path = dataDirectory + "help.htm";
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return path;
    std::fputs("<html><head><title>2005</title></head>", file);
    std::fputs("<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" "
               "scroll=\"no\" oncontextmenu=\"return false\">",
               file);
    if (!text.empty()) {
        std::fputs("<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">", file);
        std::fputs("<tr><td><font color=\"black\" size=\"2\" face=\"Verdana\"><b>", file);
        std::fprintf(file, "%s", text.c_str());
        std::fputs("</b></font>", file);
        std::fputs("</td></tr></table><p>", file);
        std::fputs("<A HREF=\"javascript:window.print()\"><font color=\"green\" size=\"4\" face=\"Arial\">"
                   "<b>Print</b></font></A>",
                   file);
    } else {
        std::fprintf(file,
                     "<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"0\" cellspacing=\"0\" "
                     "height=\"100%s\" width=\"100%s\">",
                     "%", "%");
        std::fputs("<tr><td align=\"center\"><font color=\"black\" size=\"5\" face=\"Verdana\"><b>Help Wizard</b>"
                   "</font></td></tr></table></center>",
                   file);
    }
    std::fputs("</body></html>", file);
    std::fclose(file);
    return path;
}
