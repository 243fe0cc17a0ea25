#include "profiles/InformationPages.h"

#include "profiles/ChineseYears.h"
#include "profiles/SignTexts.h"
#include "profiles/SoulNumberTexts.h"
#include "profiles/ZodiacSigns.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const std::string kYellow = "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>";

TEST(InformationPages, SignAndBirthstoneAtEveryMonthsLimit)
{
    struct Case {
        int month, day;
        const char* sign;
        const char* birthstone;
    } cases[] = {
        {1, 20, "Capricorn", "Garnet"},    {1, 21, "Aquarius", "Amethyst"},  {2, 19, "Aquarius", "Amethyst"},
        {2, 20, "Pisces", "Aquamarine"},   {3, 20, "Pisces", "Aquamarine"},  {3, 21, "Aries", "Diamond"},
        {4, 20, "Aries", "Diamond"},       {4, 21, "Taurus", "Emerald"},     {5, 21, "Taurus", "Emerald"},
        {5, 22, "Gemini", "Alexandrite"},  {6, 21, "Gemini", "Alexandrite"}, {6, 22, "Cancer", "Ruby"},
        {7, 22, "Cancer", "Ruby"},         {7, 23, "Leo", "Peridot"},        {8, 23, "Leo", "Peridot"},
        {8, 24, "Virgo", "Sapphire"},      {9, 23, "Virgo", "Sapphire"},     {9, 24, "Libra", "Opal"},
        {10, 23, "Libra", "Opal"},         {10, 24, "Scorpio", "Topaz"},     {11, 22, "Scorpio", "Topaz"},
        {11, 23, "Sagittarius", "Turquoise"}, {12, 21, "Sagittarius", "Turquoise"}, {12, 22, "Capricorn", "Garnet"},
        {12, 31, "Capricorn", "Garnet"},   {1, 1, "Capricorn", "Garnet"},    {2, 31, "Pisces", "Aquamarine"},
    };
    for (const Case& c : cases) {
        const std::string page = SignPageContent(c.month, c.day);
        const std::string where = std::to_string(c.month) + "/" + std::to_string(c.day);
        EXPECT_EQ(SignName(SignOfBirthday(c.month, c.day)), c.sign) << where;
        EXPECT_EQ(page.rfind(kYellow + c.sign + "<p><font color=\"black\">", 0), 0u) << where;
        EXPECT_TRUE(Contains(page, std::string("<br><font color=\"black\">Birthstone -- ") + c.birthstone +
                                       "<p><font color=\"black\">Zodiac Attraction<p>"))
            << where;
        EXPECT_TRUE(EndsWith(page, "</b></font><p>")) << where;
    }
}

TEST(InformationPages, DateRangesOfTheSignTextsAgreeWithTheLookup)
{
    const char* const months[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};
    auto monthNumber = [&](const std::string& name) {
        for (int m = 0; m < 12; ++m)
            if (name == months[m])
                return m + 1;
        return 0;
    };
    for (int i = 0; i < 12; ++i) {
        const Sign sign = static_cast<Sign>(i);
        const std::string text = SignText(sign);
        const std::string head = SignName(sign) + "<p><font color=\"black\">";
        ASSERT_EQ(text.rfind(head, 0), 0u) << SignName(sign);
        std::istringstream range(text.substr(head.size(), text.find("<p>", head.size()) - head.size()));
        int firstDay = 0, lastDay = 0;
        std::string firstMonth, dashes, lastMonth;
        range >> firstDay >> firstMonth >> dashes >> lastDay >> lastMonth;
        ASSERT_EQ(dashes, "--") << text;
        EXPECT_EQ(SignOfBirthday(monthNumber(firstMonth), firstDay), sign) << text;
        EXPECT_EQ(SignOfBirthday(monthNumber(lastMonth), lastDay), sign) << text;
        EXPECT_NE(SignOfBirthday(monthNumber(lastMonth), lastDay + 1), sign) << text;
    }
}

TEST(InformationPages, SignTextsCarryTheirFixedParts)
{
    struct Case {
        Sign sign;
        const char* opening;
        const char* element;
        const char* most;
        const char* least;
    } cases[] = {
        {Sign::Aries, "The Pioneer", "FIRE", "Aries, Gemini, Leo, Sagittarius, Aquarius",
         "Taurus, Cancer, Virgo, Capricorn, Pisces"},
        {Sign::Taurus, "The Builder", "EARTH", "Taurus, Cancer, Virgo, Capricorn, Pisces",
         "Aries, Gemini, Leo, Sagittarius, Aquarius"},
        {Sign::Gemini, "The Communicator", "AIR", "Aries, Gemini, Leo, Libra, Aquarius",
         "Taurus, Cancer, Scorpio, Capricorn, Pisces"},
        {Sign::Cancer, "The Home-Maker", "WATER", "Taurus, Cancer, Virgo, Scorpio, Pisces",
         "Aries, Gemini, Libra, Sagittarius, Aquarius"},
        {Sign::Leo, "The Entertainer", "FIRE", "Aries, Gemini, Leo, Libra, Sagittarius",
         "Taurus, Virgo, Scorpio, Capricorn, Pisces"},
        {Sign::Virgo, "The Perfectionist", "EARTH", "Taurus, Cancer, Virgo, Scorpio, Capricorn",
         "Aries, Leo, Libra, Sagittarius, Aquarius"},
        {Sign::Libra, "The Diplomat", "AIR", "Gemini, Leo, Libra, Sagittarius, Aquarius",
         "Cancer, Virgo, Scorpio, Capricorn"},
        {Sign::Scorpio, "The Seducer", "WATER", "Cancer, Virgo, Scorpio, Capricorn, Pisces",
         "Gemini, Leo, Libra, Sagittarius, Aquarius"},
        {Sign::Sagittarius, "The Gambler", "FIRE", "Aries, Leo, Libra, Sagittarius, Aquarius",
         "Taurus, Cancer, Virgo, Scorpio, Capricorn, Pisces"},
        {Sign::Capricorn, "The Organizer", "EARTH", "Taurus, Virgo, Scorpio, Capricorn, Pisces",
         "Aries, Gemini, Leo, Libra, Sagittarius"},
        {Sign::Aquarius, "The Scientist", "AIR", "Aries, Gemini, Libra, Sagittarius, Aquarius",
         "Taurus, Cancer, Virgo, Scorpio, Pisces"},
        {Sign::Pisces, "The Mystic", "WATER", "Taurus, Cancer, Scorpio, Capricorn, Pisces",
         "Aries, Gemini, Leo, Sagittarius, Aquarius"},
    };
    for (const Case& c : cases) {
        const std::string text = SignText(c.sign);
        EXPECT_TRUE(Contains(text, std::string("<p>") + c.opening + " of the Zodiac")) << text;
        EXPECT_TRUE(Contains(text, std::string("element is ") + c.element)) << text;
        EXPECT_TRUE(EndsWith(text, std::string("<p>Most Compatible Signs -- ") + c.most +
                                       "<br>Least Compatible Signs -- " + c.least))
            << text;
    }
}

TEST(InformationPages, AMonthOutsideTheYearHasNoSign)
{
    for (int month : {0, 13, -1}) {
        EXPECT_EQ(SignOfBirthday(month, 5), Sign::None);
        EXPECT_EQ(SignPageContent(month, 5), kYellow + ZodiacAttractionText() + "</b></font><p>");
        EXPECT_EQ(SignImageFile(month, 5), "capricorn.gif");
    }
    EXPECT_EQ(SignImageFile(1, 20), "capricorn.gif");
    EXPECT_EQ(SignImageFile(1, 21), "aquarius.gif");
    EXPECT_EQ(SignImageFile(11, 23), "sagittarius.gif");
}

TEST(InformationPages, YearAnimals)
{
    struct Case {
        int year;
        const char* animal;
    } cases[] = {
        {1900, "Rat"},  {1901, "Ox"},      {1911, "Pig"},    {1912, "Rat"},     {1970, "Dog"},
        {2000, "Dragon"}, {2005, "Rooster"}, {2012, "Dragon"}, {1899, ""},      {2013, ""},
        {0, ""},        {-12, ""},         {2100, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChineseYearAnimal(c.year), c.animal) << c.year;
        const std::string page = YearPageContent(c.year);
        const std::string head = kYellow + "<font color=\"yellow\">" + std::to_string(c.year) + " - ";
        if (*c.animal)
            EXPECT_EQ(page.rfind(head + "The Year of the " + c.animal + "<p><font color=\"black\">People born", 0),
                      0u)
                << c.year;
        else
            EXPECT_EQ(page, head + "</b></font><p>") << c.year;
    }
}

TEST(InformationPages, SoulNumberIsTheOwnNumberOfTheBirthday)
{
    struct Case {
        int month, day, year, number;
    } cases[] = {
        {1, 1, 1900, 1},   // 1 + 1 + 1 is below 10
        {7, 15, 1970, 2},  // 7 + 6 + 8 = 21
        {9, 9, 1909, 9},
        {12, 31, 2005, 3},  // 3 + 4 + 5 = 12, reduced
        {13, 40, 1899, 1},  // 4 + 40 + 1 is above 27
    };
    for (const Case& c : cases) {
        const std::string page = NumberPageContent(c.month, c.day, c.year);
        const std::string n = std::to_string(c.number);
        EXPECT_EQ(page.rfind("<font color=\"black\" size=\"2\" face=\"Verdana\"><b>Your soul number is: "
                             "<font color=\"yellow\">" +
                                 n + "</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>"
                                     "Soul number stays with an individual for life. Soul mates have mutual "
                                     "completing numbers.",
                             0),
                  0u)
            << page;
        EXPECT_TRUE(Contains(page, "9 and 7</b></font><p>" + kYellow + "Number " + n +
                                       "</b></font><p><font color=\"black\" size=\"2\" face=\"Verdana\"><b>"
                                       "People by nature"))
            << page;
        EXPECT_TRUE(EndsWith(page, "</b></font><p>"));
    }
    EXPECT_TRUE(Contains(SoulNumberExplanation(),
                         "MUTUALLY COMPLETING SOUL NUMBERS</b></font><p><font color=\"black\" size=\"2\" "
                         "face=\"Verdana\"><b>0 and 7<br>1 and 6<br>2 and 5<br>3 and 4<br>4 and 3<br>5 and 2<br>"
                         "6 and 1<br>7 and 0<br>8 and 8<br>9 and 7</b></font><p>"));
    EXPECT_EQ(SoulNumberText(10), "");
    EXPECT_EQ(SoulNumberText(-1), "");
    for (int n = 0; n <= 9; ++n)
        EXPECT_TRUE(Contains(SoulNumberText(n), "Number " + std::to_string(n) + "</b>"));
}

TEST(InformationPages, ButtonsWriteTheirPairWithTheirPrintRowAndClosing)
{
    const std::string p1 = "</td></tr><tr><td><A HREF=\"javascript:window.print()\"><font color=\"navy\" size=\"4\" "
                           "face=\"Arial\"><b>Print</b></font></A>";
    struct Case {
        const char* button;
        std::string (*write)(const std::string&);
        std::string content;
        std::string ending;
    } cases[] = {
        {"Sign", [](const std::string& d) { return WriteSignPage(d, 1, 20); }, SignPageContent(1, 20),
         p1 + "</td></tr></table><p><br></center></body></html>"},
        {"Number", [](const std::string& d) { return WriteNumberPage(d, 7, 15, 1970); },
         NumberPageContent(7, 15, 1970), p1 + "<p><br></td></tr></table></center></body></html>"},
        {"Year", [](const std::string& d) { return WriteYearPage(d, 2005); }, YearPageContent(2005),
         p1 + "<p><br></td></tr></table></center></body></html>"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        EXPECT_EQ(c.write(dir.dir()), dir.path("effects.htm")) << c.button;
        EXPECT_TRUE(Contains(dir.Read("effects.htm"), "URL=" + dir.path("reading.htm") + "\"")) << c.button;
        const std::string page = dir.Read("reading.htm");
        EXPECT_TRUE(Contains(page, "RevealTrans(Duration=3,"));
        EXPECT_TRUE(EndsWith(page, "<tr><td>" + c.content + c.ending)) << c.button;
    }
}

TEST(InformationPages, SignPanelPage)
{
    TempDir dir;
    const std::string image = "C:\\Program Files\\Oracline\\leo.gif";
    EXPECT_EQ(WriteSignPanelPage(dir.dir(), image), dir.path("sign_e.htm"));
    EXPECT_TRUE(Contains(dir.Read("sign_e.htm"), "URL=" + dir.path("sign_r.htm") + "\""));

    std::string stripes;
    for (const char* colour : {"gray", "gray", "white", "gray", "yellow", "gray", "green", "gray"})
        stripes += std::string("<tr><td align=\"center\" height=\"15\" bgcolor=\"") + colour + "\"></td></tr>";
    EXPECT_EQ(
        dir.Read("sign_r.htm"),
        "<html><!-- Oracline page --><HEAD><META http-equiv=\"Page-Enter\" "
        "CONTENT=\"RevealTrans(Duration=2,Transition=5)\"><TITLE></TITLE></HEAD>"
        "<body onLoad=\"start()\" bgcolor=\"gray\" link=\"gray\" vlink=\"gray\" alink=\"gray\" scroll=\"no\" "
        "oncontextmenu=\"return false\">"
        "<center><div id=\"mvpic\" STYLE=\"position:absolute;visibility:visible;\"><img "
        "src=\"C:\\Program Files\\Oracline\\leo.gif\" border=\"0\"></div></center>"
        "<SCRIPT LANGUAGE=\"JavaScript\">var xPos = 0;var step = 1;var delay = 30;var yPos = 0;var height = 0;"
        "var offset = 0;var yon = 0;"
        "yPos = document.body.clientHeight;mvpic.style.top = yPos;"
        "xPos = document.body.clientWidth; xPos = xPos - 28; if (xPos > 0) {xPos = xPos / 2};"
        "function changePos() {if (yon == 0) {yPos = yPos - step;}else {yPos = yPos + step;}"
        "height = document.body.clientHeight;offset = 44;if (yPos < 0) {yon = 1;yPos = 0;}"
        "if (yPos >= (height - offset)) {yon = 0;yPos = (height - offset);}mvpic.style.left = xPos;"
        "mvpic.style.top = yPos + document.body.scrollTop;}"
        "function start(){loopfunc();}function loopfunc(){changePos();setTimeout('loopfunc()',delay);}</script>"
        "<script language=\"JavaScript1.2\"> function disableselect(e) { return false; }"
        "function reEnable() { return true; } document.onselectstart=new Function (\"return false\");"
        "if (window.sidebar){ document.onmousedown=disableselect; document.onclick=reEnable; } </script>"
        "<center><table border=\"0\" bordercolor=\"black\" cellpadding=\"3\" cellspacing=\"2\">"
        "<tr><td align=\"center\"><font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>Y<br>o<br>u<br>r<p><br>"
        "Z<br>o<br>d<br>i<br>a<br>c<p><br>S<br>i<br>g<br>n</b></font></td></tr>" +
            stripes + "</table></center></body></html>");
}

}  // namespace
