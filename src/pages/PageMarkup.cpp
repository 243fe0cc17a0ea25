#include "pages/PageMarkup.h"

#include "pages/PageUrl.h"

namespace {

std::string Joined(const std::vector<std::string>& texts, const std::string& between)
{
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i)
        joined += (i > 0 ? between : std::string()) + texts[i];
    return joined;
}

} // namespace

std::string HeadingRun()
{
    return "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>";
}

std::string BodyRun()
{
    return "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>";
}

std::string RunEnd()
{
    return "</b></font>";
}

std::string Heading(const std::string& text)
{
    return HeadingRun() + text + RunEnd() + ParagraphBreak();
}

std::string BodyText(const std::string& text)
{
    return BodyRun() + text + RunEnd() + ParagraphBreak();
}

std::string ParagraphBreak()
{
    return "<p>";
}

std::string LineBreak()
{
    return "<br>";
}

std::string ColourChange(const std::string& colour)
{
    return "<font color=\"" + colour + "\">";
}

std::string Paragraphs(const std::vector<std::string>& texts)
{
    return Joined(texts, ParagraphBreak());
}

std::string Lines(const std::vector<std::string>& texts)
{
    return Joined(texts, LineBreak());
}

std::string PrintLink(const std::string& colour)
{
    return std::string("<A HREF=\"") + kPrintLink + "\"><font color=\"" + colour +
           "\" size=\"4\" face=\"Arial\"><b>Print</b></font></A>";
}

std::string TableStart()
{
    return "<table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">";
}
