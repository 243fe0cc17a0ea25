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

