#include "daily/ExplainPage.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

std::string DailyExplanationContent()
{
    return Heading("Daily Report Analysis Explained") +
           BodyText("Zodiac Sign and Soul Number readings are explained in the Profiles section. After you create a "
                    "profile and enter birthday information click on the Sign and Number buttons.") +
           BodyText("Day Reading falls into three categories: normal, good and bad. A normal day means the day's "
                    "alignment is neutral for you, a good day means it works in your favour and a bad day means it "
                    "works against you.") +
           BodyText("The fear of the Evil Eye is universal and many superstitious gestures, formulas and amulets "
                    "were devised to fight its evil glances. It is widely believed that some people have an ability "
                    "to cast a spell on their enemies by just looking at them. The concept of the Evil Eye exists in "
                    "a slightly different form in Numerology as well. The meaning is still the same. Do not take it "
                    "lightly. Categories include: Not susceptible to the Evil Eye, Susceptible to the Evil Eye and "
                    "Someone put the Evil Eye on you.") +
           BodyText("Lottery numbers are unique daily lucky numbers. Keep in mind that if you buy your lottery "
                    "ticket today and the lottery is played two days from now, you need to get your lucky numbers "
                    "for that date instead.") +
           BodyText("Other Day Readings graph your emotional, physical, intellectual, intuition and fortune highs "
                    "and lows for you. The higher the graph the better. The highs and lows should be used to plan "
                    "your daily activities and schedule tasks and events. If you need luck, schedule it when your "
                    "fortune reading is high. Use physical highs for physically demanding tasks, intellectual highs "
                    "for intellectually demanding tasks and emotional highs for emotionally taxing tasks. Finally, "
                    "use intuition reading when you wonder if you can trust your \"gut feeling\" or not.");
}

std::string WriteDailyExplanationPage(PageSink& sink)
{
    PageSpec page;
    page.redirectName = "effects.htm";
    page.contentName = "reading.htm";
    page.body = PageBody::Centred;
    page.content = DailyExplanationContent();
    page.printRow = PrintRow::PrintLink;
    page.closing = PageClosing::Gap;
    return WritePagePair(sink, page);
}
