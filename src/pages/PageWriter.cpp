#include "pages/PageWriter.h"

#include "pages/PageMarkup.h"

namespace {

// Marks the files as ours for anyone who opens them in an editor; the browser
// ignores it.
const char* const kHeadComment = "<!-- Oracline page -->";

std::string PrintRowOf(PrintRow row)
{
    switch (row) {
    case PrintRow::None:
        return "";
    case PrintRow::PrintLink:
        return "</td></tr><tr><td>" + PrintLink("navy");
    case PrintRow::PrintLinkThenGap:
        return "</td></tr><tr><td>" + PrintLink("navy") + "<p><br>";
    }
    return "";
}

std::string ClosingOf(PageClosing closing)
{
    switch (closing) {
    case PageClosing::Gap:
        return "</td></tr></table><p><br></center></body></html>";
    case PageClosing::GapUncentred:
        return "</td></tr></table><p><br></body></html>";
    case PageClosing::Tight:
        return "</td></tr></table></center></body></html>";
    case PageClosing::LineBreak:
        return "</td></tr></table><br></center></body></html>";
    case PageClosing::PrintLinkBelow:
        return "</td></tr></table></center><p>" + PrintLink("navy") + "<p><br></body></html>";
    }
    return "";
}

bool WriteContentPage(PageSink& sink, const PageSpec& page)
{
    return sink.Write(page.contentName, PageHead(page.transitionDuration) + BodyTag(page.body) + AntiSelectionScript() +
                                   TableStart() + (page.centredRow ? "<tr><td align=\"center\">" : "<tr><td>") +
                                   page.content + PrintRowOf(page.printRow) + ClosingOf(page.closing));
}

}  // namespace

bool WriteRedirectPage(PageSink& sink, const std::string& redirectName, const std::string& contentName)
{
    return sink.Write(redirectName, std::string("<html>") + kHeadComment +
                                           "<HEAD><META HTTP-EQUIV=\"Refresh\" Content=\"1; URL=" + sink.Folder() + contentName +
                                           "\"><TITLE></TITLE></HEAD>"
                                           "<body bgcolor=\"gray\" link=\"white\" vlink=\"white\" "
                                           "alink=\"white\" scroll=\"no\"></body></html>");
}

std::string PageHead(int transitionDuration)
{
    return std::string("<html>") + kHeadComment +
           "<HEAD><META http-equiv=\"Page-Enter\" CONTENT=\"RevealTrans(Duration=" +
           std::to_string(transitionDuration) + ",Transition=5)\"><TITLE></TITLE></HEAD>";
}

const char* BodyTag(PageBody body)
{
    switch (body) {
    case PageBody::Centred:
        return "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\">"
               "<center>";
    case PageBody::CentredNoScroll:
        return "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
               "scroll=\"no\"><center>";
    case PageBody::NoScroll:
        return "<body bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" oncontextmenu=\"return false\" "
               "scroll=\"no\">";
    case PageBody::NoScrollStartsScript:
        return "<body onLoad=\"start()\" bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" "
               "scroll=\"no\" oncontextmenu=\"return false\">";
    }
    return "";
}

const char* AntiSelectionScript()
{
    return "<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }"
           "function reEnable() { return true; } document.onselectstart=new Function (\"return false\");"
           "if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>";
}

std::string WritePagePair(PageSink& sink, const PageSpec& page)
{
    const bool redirectWritten = WriteRedirectPage(sink, page.redirectName, page.contentName);
    const bool contentWritten = WriteContentPage(sink, page);
    return redirectWritten && contentWritten ? sink.Folder() + page.redirectName : std::string();
}

std::string WriteQuickTipPage(PageSink& sink, const std::string& hint)
{
    PageSpec tip;
    tip.contentName = "tip_e.htm";
    tip.transitionDuration = 2;
    tip.body = PageBody::CentredNoScroll;
    tip.centredRow = true;
    tip.content = HeadingRun() + hint + RunEnd();
    tip.printRow = PrintRow::None;
    tip.closing = PageClosing::Tight;
    return WriteContentPage(sink, tip) ? sink.Folder() + tip.contentName : std::string();
}

std::string WhitePage(const std::string& body)
{
    return "<html><head><title>2005</title></head>"
           "<body bgcolor=\"white\" text=\"white\" link=\"white\" vlink=\"white\" alink=\"white\" "
           "scroll=\"no\" oncontextmenu=\"return false\">" +
           body + "</body></html>";
}
