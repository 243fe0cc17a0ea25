#include "hourly/Superstitions.h"

#include "pages/PageMarkup.h"
#include "pages/PageWriter.h"

namespace {

struct Superstition {
    const char* keyword;
    const char* saying;
};

// Kept whole, as the page gets them. "\x92" is the Windows-1252 apostrophe;
// it stands as its own literal so no letter after it is read as a hex digit.
const Superstition kTable[kSuperstitionCount] = {
    {"cats", "A black cat crossing your path brings bad luck, yet in Britain and Japan a black cat that "
            "walks towards you brings good fortune. Sailors kept a cat on board to keep the ship safe from "
            "storms."},
    {"kiss", "If you kiss under the mistletoe, you will marry within the year. An itching lip means "
            "someone wants to kiss you, and if your nose itches you\x92" "ll kiss a fool."},
    {"bed", "Always get out of bed on the same side you got in, or the day will go wrong. Getting "
            "out on the left side puts you in a bad mood."},
    {"brooms", "Never sweep dirt out of the front door after dark, or you will sweep your good luck "
            "away. A new house should be swept with a new broom."},
    {"clothes", "Putting on a piece of clothing inside out by accident brings good luck, as long as "
            "you wear it that way for the rest of the day."},
    {"garment", "Wear a new garment for the first time on a happy day, never to a funeral. A coin "
            "put in the pocket of a new coat keeps it from ever being empty."},
    {"friend", "Never give a friend a knife or scissors, for they will cut the friendship. Ask "
            "for a coin in return, and the gift becomes a sale."},
    {"clover", "Finding a four-leaf clover brings good luck. The first leaf is for hope, the "
            "second for faith, the third for love and the fourth for luck."},
    {"eyelash", "When an eyelash falls out, put it on the back of your hand, make a wish and blow "
            "it away. If it flies off, your wish will come true."},
    {"garter", "The bride who throws her garter to the unmarried men passes her good luck on: the "
            "man who catches it will be the next to marry."},
    {"horseshoe", "A horseshoe hung above the door brings good luck to the house. Hang it with its "
            "ends pointing up, or the luck will run out."},
    {"ivy", "Ivy growing on the walls of a house protects the people inside from evil. If the ivy "
            "withers, hard times are coming."},
    {"umbrella", "It is a very bad luck to open an umbrella inside a building."},
    {"knock on wood", "Knock on wood after speaking of your good fortune, so that bad luck does not "
            "hear you. Good spirits were once believed to live in trees and to help those who knocked."},
    {"ladder", "Walking under a ladder brings bad luck. If you must pass under one, keep your "
            "fingers crossed until you see a dog."},
    {"ladybug", "A ladybug landing on you brings good luck. Count the spots on its back: that many "
            "happy months lie ahead. Never harm a ladybug."},
    {"mirror", "Breaking a mirror brings bad luck for seven years."},
    {"owl", "An owl hooting in daylight is a sign of bad news. To turn the bad luck away, take off "
            "a piece of clothing, turn it inside out and put it back on."},
    {"wedding ring", "Dropping your wedding ring during the ceremony is a bad omen for the "
            "marriage. Once it is on, never take it off."},
    {"rabbit's foot", "Carrying a rabbit's foot brings good luck, above all the left hind foot. Rub "
            "it before a game or an examination."},
    {"salt", "Spilling salt brings bad luck. Throw a pinch of it over your left shoulder to blind "
            "the devil who waits there."},
    {"swan", "Seeing a pair of swans promises a long and faithful love, for swans mate for life. "
            "A swan's egg is said to hatch only when it thunders."},
    {"sneezing", "When someone sneezes, say \"bless you\", so the soul that leaves with the sneeze "
            "comes back. Sneezing three times before breakfast means a gift is coming."},
    {"bird", "A bird flying into the house brings news. A bird dropping on your head or your coat "
            "is a sign of good luck and money to come."},
    {"seven", "Seven is the luckiest of numbers. The seventh son of a seventh son is born with the "
            "gift of healing and second sight."},
    {"crow", "One crow seen alone brings bad luck, two crows bring good luck. A crow cawing near "
            "the house announces a visitor."},
    {"bee", "A bee flying into the house means a visitor will soon arrive. Bees must be told of "
            "every birth, marriage and death in the family, or they will leave the hive."},
    {"cricket", "A cricket singing in the house brings good luck and guards the home. Killing a "
            "cricket, even by accident, brings misfortune."},
    {"spider", "If you wish to live and thrive, let a spider run alive. A spider spinning its web "
            "on your clothes means new clothes are coming."},
    {"dogs", "A dog howling at night near a house is a sign of misfortune. A strange dog following "
            "you home brings good luck."},
    {"marriage", "It is bad luck for the groom to see the bride in her wedding dress before the "
            "ceremony. Rain on the wedding day means a happy and fruitful marriage."},
    {"wine", "Spilling wine during a toast brings good luck to the one who spilled it. Never toast "
            "with an empty glass or with water, or the wish will not come true."},
    {"whistling", "Whistling on board a ship calls up the wind and a storm. Whistling in a "
            "theatre's dressing room brings bad luck to the play."},
    {"pin", "See a pin and pick it up, all the day you\x92" "ll have good luck. See a pin and let "
            "it lie, bad luck you\x92" "ll have all day."},
    {"cheeks", "When your cheeks suddenly burn, someone is talking about you: the right cheek for "
            "praise, the left cheek for blame."},
    {"itching", "An itching right palm means money is coming to you, an itching left palm means "
            "you will pay money out. An itching nose means a visitor is on the way."},
};

// Entries of each day of the month, -1 where a day has only one.
const int kDays[31][2] = {
    {0, 1},   {2, -1},  {3, -1},  {4, -1},  {5, 6},   {7, -1},  {8, -1},  {9, -1},  {10, -1}, {11, 12}, {13, -1},
    {14, -1}, {15, -1}, {16, -1}, {17, 18}, {19, -1}, {20, -1}, {21, -1}, {22, -1}, {23, 24}, {25, -1}, {26, -1},
    {27, -1}, {28, -1}, {29, -1}, {30, -1}, {31, -1}, {32, -1}, {33, -1}, {34, -1}, {35, -1},
};

}  // namespace

std::string SuperstitionEntry(int index)
{
    if (index < 0 || index >= kSuperstitionCount)
        return std::string();
    // No closing tags: the page frame closes them.
    return HeadingRun() + kTable[index].keyword + ParagraphBreak() + ColourChange("black") + kTable[index].saying +
           ParagraphBreak();
}

std::string DailySuperstition(int day)
{
    if (day < 1 || day > 31)
        return std::string();
    std::string text;
    for (int index : kDays[day - 1])
        text += SuperstitionEntry(index);
    return text;
}

std::string WriteSuperstitionPage(PageSink& sink, int day)
{
    PageSpec page;
    page.redirectName = "super_e.htm";
    page.contentName = "super_r.htm";
    page.body = PageBody::NoScroll;
    page.content = DailySuperstition(day);
    page.printRow = PrintRow::PrintLink;
    page.closing = PageClosing::GapUncentred;
    return WritePagePair(sink, page);
}
