#pragma once
// The two text styles every page content is written in.
#include <string>

// A yellow heading, followed by a paragraph break.
inline std::string PageHeading(const std::string& text)
{
    return "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>" + text + "</b></font><p>";
}

// A paragraph of black body text.
inline std::string PageText(const std::string& text)
{
    return "<font color=\"black\" size=\"2\" face=\"Verdana\"><b>" + text + "</b></font><p>";
}

// Text the user typed (a name), made safe to write into a page: the
// characters HTML gives a meaning to are written as their entities.
inline std::string HtmlText(const std::string& text)
{
    std::string safe;
    for (char c : text) {
        switch (c) {
        case '<': safe += "&lt;"; break;
        case '>': safe += "&gt;"; break;
        case '&': safe += "&amp;"; break;
        case '"': safe += "&quot;"; break;
        default: safe += c;
        }
    }
    return safe;
}
