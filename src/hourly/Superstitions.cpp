#include "hourly/Superstitions.h"

#include "pages/PageWriter.h"

namespace {

#define KEYWORD "<font color=\"yellow\" size=\"2\" face=\"Verdana\"><b>"
#define SAYING "<p><font color=\"black\">"
#define END "<p>"

// Kept whole, as the page gets them. "\x92" is the Windows-1252 apostrophe;
// it stands as its own literal so no letter after it is read as a hex digit.
const char* const kTable[kSuperstitionCount] = {
    KEYWORD "cats" SAYING "A black cat crossing your path brings bad luck, yet in Britain and Japan a black cat that "
            "walks towards you brings good fortune. Sailors kept a cat on board to keep the ship safe from "
            "storms." END,
    KEYWORD "kiss" SAYING "If you kiss under the mistletoe, you will marry within the year. An itching lip means "
            "someone wants to kiss you, and if your nose itches you\x92" "ll kiss a fool." END,
    KEYWORD "bed" SAYING "Always get out of bed on the same side you got in, or the day will go wrong. Getting "
            "out on the left side puts you in a bad mood." END,
    KEYWORD "brooms" SAYING "Never sweep dirt out of the front door after dark, or you will sweep your good luck "
            "away. A new house should be swept with a new broom." END,
    KEYWORD "clothes" SAYING "Putting on a piece of clothing inside out by accident brings good luck, as long as "
            "you wear it that way for the rest of the day." END,
    KEYWORD "garment" SAYING "Wear a new garment for the first time on a happy day, never to a funeral. A coin "
            "put in the pocket of a new coat keeps it from ever being empty." END,
    KEYWORD "friend" SAYING "Never give a friend a knife or scissors, for they will cut the friendship. Ask "
            "for a coin in return, and the gift becomes a sale." END,
    KEYWORD "clover" SAYING "Finding a four-leaf clover brings good luck. The first leaf is for hope, the "
            "second for faith, the third for love and the fourth for luck." END,
    KEYWORD "eyelash" SAYING "When an eyelash falls out, put it on the back of your hand, make a wish and blow "
            "it away. If it flies off, your wish will come true." END,
    KEYWORD "garter" SAYING "The bride who throws her garter to the unmarried men passes her good luck on: the "
            "man who catches it will be the next to marry." END,
    KEYWORD "horseshoe" SAYING "A horseshoe hung above the door brings good luck to the house. Hang it with its "
            "ends pointing up, or the luck will run out." END,
    KEYWORD "ivy" SAYING "Ivy growing on the walls of a house protects the people inside from evil. If the ivy "
            "withers, hard times are coming." END,
    KEYWORD "umbrella" SAYING "It is a very bad luck to open an umbrella inside a building." END,
    KEYWORD "knock on wood" SAYING "Knock on wood after speaking of your good fortune, so that bad luck does not "
            "hear you. Good spirits were once believed to live in trees and to help those who knocked." END,
    KEYWORD "ladder" SAYING "Walking under a ladder brings bad luck. If you must pass under one, keep your "
            "fingers crossed until you see a dog." END,
    KEYWORD "ladybug" SAYING "A ladybug landing on you brings good luck. Count the spots on its back: that many "
            "happy months lie ahead. Never harm a ladybug." END,
    KEYWORD "mirror" SAYING "Breaking a mirror brings bad luck for seven years." END,
    KEYWORD "owl" SAYING "An owl hooting in daylight is a sign of bad news. To turn the bad luck away, take off "
            "a piece of clothing, turn it inside out and put it back on." END,
    KEYWORD "wedding ring" SAYING "Dropping your wedding ring during the ceremony is a bad omen for the "
            "marriage. Once it is on, never take it off." END,
    KEYWORD "rabbit's foot" SAYING "Carrying a rabbit's foot brings good luck, above all the left hind foot. Rub "
            "it before a game or an examination." END,
    KEYWORD "salt" SAYING "Spilling salt brings bad luck. Throw a pinch of it over your left shoulder to blind "
            "the devil who waits there." END,
    KEYWORD "swan" SAYING "Seeing a pair of swans promises a long and faithful love, for swans mate for life. "
            "A swan's egg is said to hatch only when it thunders." END,
    KEYWORD "sneezing" SAYING "When someone sneezes, say \"bless you\", so the soul that leaves with the sneeze "
            "comes back. Sneezing three times before breakfast means a gift is coming." END,
    KEYWORD "bird" SAYING "A bird flying into the house brings news. A bird dropping on your head or your coat "
            "is a sign of good luck and money to come." END,
    KEYWORD "seven" SAYING "Seven is the luckiest of numbers. The seventh son of a seventh son is born with the "
            "gift of healing and second sight." END,
    KEYWORD "crow" SAYING "One crow seen alone brings bad luck, two crows bring good luck. A crow cawing near "
            "the house announces a visitor." END,
    KEYWORD "bee" SAYING "A bee flying into the house means a visitor will soon arrive. Bees must be told of "
            "every birth, marriage and death in the family, or they will leave the hive." END,
    KEYWORD "cricket" SAYING "A cricket singing in the house brings good luck and guards the home. Killing a "
            "cricket, even by accident, brings misfortune." END,
    KEYWORD "spider" SAYING "If you wish to live and thrive, let a spider run alive. A spider spinning its web "
            "on your clothes means new clothes are coming." END,
    KEYWORD "dogs" SAYING "A dog howling at night near a house is a sign of misfortune. A strange dog following "
            "you home brings good luck." END,
    KEYWORD "marriage" SAYING "It is bad luck for the groom to see the bride in her wedding dress before the "
            "ceremony. Rain on the wedding day means a happy and fruitful marriage." END,
    KEYWORD "wine" SAYING "Spilling wine during a toast brings good luck to the one who spilled it. Never toast "
            "with an empty glass or with water, or the wish will not come true." END,
    KEYWORD "whistling" SAYING "Whistling on board a ship calls up the wind and a storm. Whistling in a "
            "theatre's dressing room brings bad luck to the play." END,
    KEYWORD "pin" SAYING "See a pin and pick it up, all the day you\x92" "ll have good luck. See a pin and let "
            "it lie, bad luck you\x92" "ll have all day." END,
    KEYWORD "cheeks" SAYING "When your cheeks suddenly burn, someone is talking about you: the right cheek for "
            "praise, the left cheek for blame." END,
    KEYWORD "itching" SAYING "An itching right palm means money is coming to you, an itching left palm means "
            "you will pay money out. An itching nose means a visitor is on the way." END,
};

#undef KEYWORD
#undef SAYING
#undef END

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
    return kTable[index];
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
    page.body = PageBody::B3;
    page.content = DailySuperstition(day);
    page.printRow = PrintRow::P1;
    page.closing = PageClosing::C2;
    return WritePagePair(sink, page);
}
