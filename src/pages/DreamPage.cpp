#include "pages/DreamPage.h"

#include "engine/DailyReadingSet.h"
#include "engine/PersonalReadings.h"
#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

namespace {

std::string TimingVerdict(int emotional, const CivilDate& date)
{
    const std::string day = MonthName(date.month) + std::to_string(date.day) + ", " + std::to_string(date.year);
    const std::string reading = "Your Emotional reading for " + day + " is " + std::to_string(emotional) + "%. ";
    if (emotional >= kDreamEmotionalThreshold)
        return reading + "This is a day of high emotion: a vivid dream of this night may well carry a message, "
                         "so write it down and think it over.";
    return reading + "This is not a day of high emotion: the dreams of this night are most likely the usual "
                     "suspects and need not worry you.";
}

}  // namespace

std::string DreamContent(int emotional, const CivilDate& date)
{
    return Heading("Dream Interpretation - The Usual Suspects") +
           BodyText("Most dreams mean nothing at all. While you sleep your mind sorts through the day: what you "
                    "saw, heard, ate and worried about comes back mixed up in strange ways. Before you look for a "
                    "hidden meaning, ask yourself a few simple questions. Did you watch a film, read a book or "
                    "hear a story that resembles the dream? Did something upset or excite you during the day? Did you eat late, drink alcohol or take medicine? Were "
                    "you too warm, too cold or disturbed by a noise? Are you worried about something that the "
                    "dream simply repeats? Is the dream one you have had many times before? If the answer to any "
                    "of these questions is yes, the dream is most likely one of the usual suspects and carries no "
                    "message for you.") +
           Heading("Dream Interpretation - The Message Inside") +
           BodyText("A few dreams are different. They are unusually clear, you remember them in detail long "
                    "after you wake up, and they leave a strong feeling behind: calm, joy, warning or urgency. "
                    "They often show a person, a place or a choice from your waking life in a new light, or "
                    "bring back someone you have not thought of for years. Such dreams deserve attention: write "
                    "them down at once and look at them again in a few days, when their message may be clearer.") +
           Heading("Dream Interpretation - Timing") +
           BodyText("A meaningful dream comes only on a day of high Emotional reading, when your feelings are "
                    "strong and open to signs. On other days even a vivid dream is most likely one of the "
                    "usual suspects. Below, Oracline checks the Emotional reading of the chosen day for you.") +
           BodyText(TimingVerdict(emotional, date));
}

std::string WriteDreamPage(PageSink& sink, const Profile& profile, const CivilDate& date)
{
    DailyReadingSet set;
    ComputeDailySet(profile, date, set);

    PageSpec page;
    page.redirectName = "dream_e.htm";
    page.contentName = "dream_r.htm";
    page.body = PageBody::Centred;
    page.content = DreamContent(set.Emotional, date);
    page.printRow = PrintRow::PrintLink;
    page.closing = PageClosing::Gap;
    return WritePagePair(sink, page);
}
