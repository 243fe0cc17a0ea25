#include "pages/PageWriter.h"

namespace {

// Marks the files as ours for anyone who opens them in an editor; the browser
// ignores it.
const char* const kHeadComment = "<!-- Oracline page -->";

const char* const kTableStart = "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">";

const char* const kPrintLink =
    "<A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>";

void WritePrintRow(std::FILE* file, PrintRow row)
{
    if (row == PrintRow::None)
        return;
    std::fprintf(file, "</td></tr><tr><td>%s", kPrintLink);
    if (row == PrintRow::P2)
        std::fputs("<p><br>", file);
}

void WriteClosing(std::FILE* file, PageClosing closing)
{
    switch (closing) {
    case PageClosing::C1:
        std::fputs("</td></tr></table><p><br></center></body></html>", file);
        return;
    case PageClosing::C2:
        std::fputs("</td></tr></table><p><br></body></html>", file);
        return;
    case PageClosing::C3:
        std::fputs("</td></tr></table></center></body></html>", file);
        return;
    case PageClosing::C4:
        std::fputs("</td></tr></table><br></center></body></html>", file);
        return;
    case PageClosing::C5:
        std::fprintf(file, "</td></tr></table></center><p>%s", kPrintLink);
        std::fputs("<p><br></body></html>", file);
        return;
    }
}

bool WriteContentPage(const std::string& path, const PageSpec& page)
{
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    WritePageHead(file, page.transitionDuration);
    std::fputs(BodyTag(page.body), file);
    WriteAntiSelectionScript(file);
    std::fputs(kTableStart, file);
    std::fputs(page.centredRow ? "<tr><td align=\"center\">" : "<tr><td>", file);
    std::fprintf(file, "%s", page.content.c_str());
    WritePrintRow(file, page.printRow);
    WriteClosing(file, page.closing);
    std::fclose(file);
    return true;
}

}  // namespace

void WriteRedirectPage(const std::string& redirectPath, const std::string& contentPath)
{
    std::FILE* file = std::fopen(redirectPath.c_str(), "w");
    if (!file)
        return;
    std::fprintf(file,
                 "<html>%s<HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=%s\"><TITLE></TITLE></HEAD>",
                 kHeadComment, contentPath.c_str());
    std::fprintf(file, "<body bgcolor=\"gray\" link=\"white\" vlink=\"white\" alink=\"white\" scroll=\"no\">");
    std::fprintf(file, "</body></html>");
    std::fclose(file);
}

void WritePageHead(std::FILE* file, int transitionDuration)
{
    std::fprintf(file,
                 "<html>%s<HEAD><META http-equiv=\"Page-Enter\" "
                 "CONTENT=\"RevealTrans(Duration=%d,Transition=5)\"><TITLE></TITLE></HEAD>",
                 kHeadComment, transitionDuration);
}

const char* BodyTag(PageBody body)
{
    switch (body) {
    case PageBody::B1:
        return "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\">"
               "<center>";
    case PageBody::B2:
        return "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
               "scroll=\"no\"><center>";
    case PageBody::B3:
        return "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
               "scroll=\"no\">";
    case PageBody::B4:
        return "<body onLoad=\"start()\" bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
               "scroll=\"no\" oncontextmenu=\"return false\">";
    }
    return "";
}

void WriteAntiSelectionScript(std::FILE* file)
{
    std::fputs("<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }", file);
    std::fputs("function reEnable() { return true; } document.onselectstart=new Function (\"return false\");", file);
    std::fputs("if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>",
               file);
}

std::string WritePagePair(const std::string& dataDirectory, const PageSpec& page, bool* contentWritten)
{
    const std::string redirectPath = dataDirectory + page.redirectName;
    const std::string contentPath = dataDirectory + page.contentName;
    WriteRedirectPage(redirectPath, contentPath);
    const bool written = WriteContentPage(contentPath, page);
    if (contentWritten)
        *contentWritten = written;
    return redirectPath;
}

std::string WritePagePairForWindow(const std::string& dataDirectory, const PageSpec& page)
{
    bool written = false;
    const std::string redirectPath = WritePagePair(dataDirectory, page, &written);
    return written ? redirectPath : std::string();
}

std::string WriteQuickTipPage(const std::string& dataDirectory, const std::string& hint)
{
    PageSpec tip;
    tip.contentName = "tip_e.htm";
    tip.transitionDuration = 2;
    tip.body = PageBody::B2;
    tip.centredRow = true;
    tip.content = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>" + hint + "</b></font>";
    tip.printRow = PrintRow::None;
    tip.closing = PageClosing::C3;
    const std::string path = dataDirectory + tip.contentName;
    WriteContentPage(path, tip);
    return path;
}
