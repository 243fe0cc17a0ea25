#include "app/HelpTopics.h"

#include "companion/CompanionMatch.h"
#include "pages/PageMarkup.h"

#include <vector>

namespace {

// A topic's text: an optional question in red, then paragraphs in black.
struct Topic {
    const char* name;
    const char* question;
    std::vector<std::string> paragraphs;
};

const Topic kTopics[kHelpTopicCount] = {
    {"Oracline in a Nutshell",
     nullptr,
     {"Oracline 2005 is one of a kind Numerology, Astrology and Biorhythms Daily Analyzer and Companion "
      "Reader. From a name and a few birthdays it computes five daily readings (emotional, physical, "
      "intellectual, intuition and fortune), lottery numbers, a day reading, an evil eye reading, your "
      "soul number and your zodiac sign, for any day of your past, present or future.",
      "Daily reports can be saved, printed, resized and sent by e-mail, or delivered to you "
      "automatically every day. The Companion Reader matches two people in love, friendship and "
      "business, and the hourly analysis shows how each reading rises and falls over the hours of a "
      "day."}},
    {"Profiles In and Out",
     nullptr,
     {"To receive a daily analysis you need to create at least one profile first. Click on the Add "
      "Profile button, enter the full name, a short description that tells the profile apart, and the "
      "birthday. Adding your mother's and father's birthdays makes the readings more personal.",
      "Manual calibration lets you enter a day you remember as very good and one you remember as very "
      "bad instead. Select a profile and click on Edit Profile to change it, or on Delete Profile to "
      "remove it for good."}},
    {"Readings Top to Bottom",
     nullptr,
     {"To receive a daily analysis select the desired profile and click on the Analyze button. The five "
      "bars show your emotional, physical, intellectual, intuition and fortune readings from 1 to 100: "
      "the higher the better. Click on E, P, B, I or F for the hours of one reading, and on S for the "
      "superstition of the day. Prev Day, Next Day and Now move through the days; Explain tells what "
      "each line means. Click on M for the Monthly Outlook, which draws your five readings over the next "
      "30 days; double-click a day there to see its full Daily Analysis.",
      "Select two profiles and click on Companion to match two people; the match is made this way:"}},
    {"How do I schedule Daily Reports?",
     nullptr,
     {"You can schedule Daily Reports to be delivered to you automatically every day at a certain time. "
      "Select your profile and click on the Schedule button. Enter the e-mail address the report should "
      "go to, choose the time of day and whether you want the full color report as a picture or a plain "
      "text report, and save.",
      "Windows Task Scheduler then starts Oracline every day at that time as the task \"Daily Analysis "
      "Report\"; it computes the day's report for the chosen profile and sends it through your e-mail "
      "program without opening a window. Your computer must be on at that time and your e-mail program "
      "set up for sending."}},
    {"How do I open saved Daily Reports?",
     nullptr,
     {"You can open any saved Daily Reports by clicking on the Open button and selecting the desired "
      "report. You would also be able to print it in full color."}},
    {"How do I uninstall Oracline?",
     nullptr,
     {"To uninstall Oracline go to Start, Settings, Control Panel. Open the list of installed programs "
      "(Add or Remove Programs, or Programs and Features), select Oracline and click on Remove or "
      "Uninstall. Your profiles and saved reports in the Oracline folder can be deleted afterwards if "
      "you no longer need them."}},
    {"Tips",
     nullptr,
     {"In most cases entering your name, your birthday and your parents birthdays is all you need. Use "
      "manual calibration only when you clearly remember an especially good and an especially bad day.",
      "Plan your day with the hourly analysis: use physical highs for physically demanding tasks and "
      "fortune highs when you need luck. Save the reports of important days so that you can open and "
      "compare them later."}},
    {"Frequently Asked Questions",
     "Can I schedule email delivery reports for multiple profiles?",
     {"Current version supports scheduled daily reports for a single profile only. We will add "
      "scheduled daily reports delivery for multiple profiles in the future."}},
    {"For Professional Reviewers",
     nullptr,
     {"Do you write reviews for online or print publications? We will gladly help you get the most out "
      "of Oracline for your review. Write to us at reviews@oracline.example and we will calibrate a "
      "profile with you and send you sample readings for the dates of your choice."}},
};

} // namespace

std::string HelpTopicName(int topic)
{
    return topic >= 0 && topic < kHelpTopicCount ? kTopics[topic].name : "";
}

std::string HelpTopicText(int topic)
{
    if (topic < 0 || topic >= kHelpTopicCount)
        return std::string();
    const Topic& entry = kTopics[topic];
    std::string text = entry.question ? ColourChange("red") + entry.question + ParagraphBreak() + ColourChange("black")
                                      : std::string();
    text += Paragraphs(entry.paragraphs);
    // The companion reading's rule is the one the analysis applies.
    if (topic == 2)
        text += ParagraphBreak() + Lines(MatchingRuleLines());
    return text;
}
