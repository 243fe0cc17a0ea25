#include "pages/NavigationFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NavigationFilter, PageFilesAndThePrintLinkPassEverythingElseIsCancelled)
{
    const struct {
        std::string url;
        bool allowed;
    } cases[] = {
        {"", true},
        {"C:\\Program Files\\Oracline\\reading.htm", true},
        {"file:///C:/Program%20Files/Oracline/effects.htm", true},
        {"C:\\Program Files\\Oracline\\READING.HTM", true},
        {"x.HtM", true},
        {".htm", true},
        {"x.html", false},
        {"reading.htm#top", false},
        {"reading.htm ", false},
        {"http://www.example.com/", false},
        {"mailto:someone@example.com", false},
        {"C:\\Program Files\\Oracline\\aries.gif", false},
        {"htm", false},
        {"a", false},
        {"javascript:window.print()", true},
        {"JavaScript:window.print()", false},
        {"javascript:window.print();", false},
        {"javascript:window.close()", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NavigationAllowed(c.url), c.allowed) << '"' << c.url << '"';
}

TEST(NavigationFilter, CentreOffsetIsZeroUnlessTheScreenIsLarger)
{
    const int cases[][3] = {
        // screen, page, offset
        {1024, 700, 162},
        {1024, 701, 161}, // integer halves round down
        {768, 480, 144},
        {700, 700, 0},
        {640, 730, 0},
        {0, 300, 0},
        {301, 300, 0},
        {302, 300, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentreOffset(c[0], c[1]), c[2]) << c[0] << " - " << c[1];
}

} // namespace
