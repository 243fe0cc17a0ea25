#include "pages/IntroductionPage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

std::string IntroductionContent()
{
    return Heading("Welcome to Oracline 2005") +
           BodyText("Oracline gives you a complete daily reading drawn from three old arts: numerology, astrology "
                    "and biorhythms. Everything is calculated from your name and your birth date, and, if you "
                    "wish, from the birth dates of your mother and father. Nothing is left to chance: the same "
                    "profile and the same date always give the same reading.") +
           Heading("What You Get") +
           BodyText("For any date of your past, present or future the Daily Analysis shows five readings as a "
                    "bar chart: Emotional, Physical, Intellectual, Intuition and Fortune, each from 1 to 100. "
                    "With them come your lottery numbers, a day reading (good, normal or bad day), an evil eye "
                    "reading, your soul number and your zodiac sign. Any of the five readings can be followed "
                    "hour by hour, and every day has its superstition.") +
           Heading("More Than One Person") +
           BodyText("Keep profiles for your family and friends, and match any two of them in a Companion "
                    "Analysis of love, friendship and business. Save, print or e-mail your reports, or have "
                    "your Daily Analysis delivered to you by e-mail every day. Any report you saved can be opened "
                    "again at the click of a button.") +
           Heading("Getting Started") +
           BodyText("Close this window and click on the Add Profile button to create your unique profile. "
                    "Your profiles stay on this computer, and you can change or delete them at any time. Then read "
                    "the help topics to make the most of your readings.");
}

std::string WriteIntroductionPage(PageSink& sink)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = PageBody::Centred;
    page.content = IntroductionContent();
    page.printRow = PrintRow::None;
    page.closing = PageClosing::LineBreak;
    return WritePagePair(sink, page);
}
