#include "profiles/SoulNumberTexts.h"

#include "pages/PageMarkup.h"

namespace {

// What follows "People by nature" for each number.
const char* const kCharacters[10] = {
    " are free and open to everything, like the circle that has no beginning and no end. They carry the "
    "promise of all the other numbers and can become whatever they choose. They are spiritual, tolerant and "
    "unbound by convention, but they must give their lives a direction, or their gifts may be spent without "
    "a trace.",
    " are leaders. Independent, ambitious and full of original ideas, they like to be first and to work in "
    "their own way. They have strong will power and the courage to start what others only talk about. They "
    "must learn to listen to other people's advice and to guard against pride and impatience.",
    " are peacemakers. Gentle, tactful and cooperative, they work best in partnership and have a gift for "
    "bringing people together. They sense the moods of others and make loyal friends and loving partners. "
    "They must learn to stand up for themselves and not to hide their own wishes to keep the peace.",
    " are entertainers. Cheerful, witty and creative, they express themselves easily in words, art and music. "
    "They love company, make friends wherever they go and bring joy to everyone around them. They must learn "
    "to finish what they start and to take life seriously when it matters.",
    " are builders. Practical, honest and hard working, they value order, method and solid foundations. They "
    "are reliable in every task, careful with money and devoted to their families. They must learn to accept "
    "change and to allow themselves and others a little more freedom and fun.",
    " are adventurers. Curious, quick and restless, they love travel, change and every new experience. They "
    "adapt easily, talk well and can sell almost anything to almost anyone. They must learn to commit "
    "themselves, to keep their promises and to avoid excess of every kind.",
    " are carers. Warm, responsible and loving, they find their happiness in home, family and service to "
    "others. They have a fine sense of beauty and harmony and are often gifted in the arts or in healing. They "
    "must learn not to carry everybody's burdens and not to interfere where they are not asked.",
    " are thinkers. Wise, thoughtful and reserved, they look beneath the surface of things and seek the truth "
    "in science, philosophy or faith. They need time alone and trust their strong intuition. They must learn "
    "to open up to others and to share the knowledge they gather.",
    " are achievers. Ambitious, practical and powerful, they have a talent for business, money and management, "
    "and they aim for success and recognition. They are strong in a crisis and can carry great responsibility. "
    "They must learn to balance work with love and to use their power fairly.",
    " are humanitarians. Generous, broad-minded and compassionate, they care about the whole world and give "
    "freely of their time and talents. They are idealistic and often artistic, and people trust them easily. "
    "They must learn to let go of the past and to accept that not every dream can come true.",
};

}  // namespace

std::string SoulNumberText(int n)
{
    if (n < 0 || n > 9)
        return std::string();
    return Heading("Number " + std::to_string(n)) + BodyRun() + "People by nature" + kCharacters[n];
}

std::string SoulNumberExplanation()
{
    return RunEnd() + ParagraphBreak() +
           BodyText("Soul number stays with an individual for life. Soul mates have mutual completing numbers. The "
                    "soul number comes from the birth date alone and describes the deepest nature of a person, the "
                    "part that does not change with age or circumstance. Two people whose soul numbers complete "
                    "each other fill each other's gaps and feel at home together, whatever their signs and stars "
                    "may say.") +
           Heading("MUTUALLY COMPLETING SOUL NUMBERS") +
           BodyText(Lines({"0 and 7", "1 and 6", "2 and 5", "3 and 4", "4 and 3", "5 and 2", "6 and 1", "7 and 0",
                           "8 and 8", "9 and 7"}));
}
