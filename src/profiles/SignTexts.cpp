#include "profiles/SignTexts.h"

#include "pages/PageMarkup.h"

namespace {

// Sets of signs, one bit per sign in the order of the Sign enumeration.
constexpr unsigned Bit(Sign sign)
{
    return 1u << static_cast<int>(sign);
}

struct SignEntry {
    const char* dateRange;
    const char* description;
    unsigned mostCompatible;
    unsigned leastCompatible;
    const char* birthstone;
};

// In the order of the Sign enumeration, Aries first.
const SignEntry kSigns[12] = {
    {"21 March -- 20 April",
     "The Pioneer of the Zodiac, Aries is ruled by Mars, the planet of energy and courage. Its symbol is the Ram, "
     "it governs the First House, the house of the self, and its element is FIRE. Aries people are bold, direct "
     "and full of drive. They love to be first, to start new things and to lead the way, and they meet every "
     "challenge head on. Patience is not their strength, but their enthusiasm and honesty win them many friends.",
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius),
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Capricorn) | Bit(Sign::Pisces), "Diamond"},
    {"21 April -- 21 May",
     "The Builder of the Zodiac, Taurus is ruled by Venus, the planet of love and beauty. Its symbol is the Bull, "
     "it governs the Second House, the house of money and possessions, and its element is EARTH. Taurus people "
     "are patient, reliable and practical. They build slowly and solidly, enjoy comfort, good food and beautiful "
     "things, and stand by the people they love. Once their mind is made up, however, they are hard to move.",
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Capricorn) | Bit(Sign::Pisces),
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius), "Emerald"},
    {"22 May -- 21 June",
     "The Communicator of the Zodiac, Gemini is ruled by Mercury, the messenger of the gods. Its symbol is the "
     "Twins, it governs the Third House, the house of communication and short journeys, and its element is AIR. "
     "Gemini people are quick, witty and curious about everything. They talk, write and learn with ease and can "
     "see both sides of any question. Their restless minds need variety, and routine soon bores them.",
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Aquarius),
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn) | Bit(Sign::Pisces), "Alexandrite"},
    {"22 June -- 22 July",
     "The Home-Maker of the Zodiac, Cancer is ruled by the Moon, the light of feelings and moods. Its symbol is "
     "the Crab, it governs the Fourth House, the house of home and family, and its element is WATER. Cancer "
     "people are caring, loyal and deeply sensitive. They protect the people they love, remember everything and "
     "make any place feel like home. Behind their hard shell they are easily hurt and need to feel secure.",
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Pisces),
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Libra) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius), "Ruby"},
    {"23 July -- 23 August",
     "The Entertainer of the Zodiac, Leo is ruled by the Sun, the centre of our solar system. Its symbol is the "
     "Lion, it governs the Fifth House, the house of pleasure, creativity and romance, and its element is FIRE. "
     "Leo people are warm, generous and proud. They love the stage, whether at work or at a party, and they lift "
     "the spirits of everyone around them. They need praise and respect, and they give loyalty in return.",
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Sagittarius),
     Bit(Sign::Taurus) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn) | Bit(Sign::Pisces), "Peridot"},
    {"24 August -- 23 September",
     "The Perfectionist of the Zodiac, Virgo is ruled by Mercury, the planet of the mind. Its symbol is the "
     "Virgin, it governs the Sixth House, the house of work and health, and its element is EARTH. Virgo people "
     "are modest, careful and hard working. They notice every detail, love order and are happiest when they are "
     "useful to others. Their high standards make them excellent at their work, but they can be too critical, "
     "above all of themselves.",
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn),
     Bit(Sign::Aries) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius), "Sapphire"},
    {"24 September -- 23 October",
     "The Diplomat of the Zodiac, Libra is ruled by Venus, the planet of love and harmony. Its symbol is the "
     "Scales, it governs the Seventh House, the house of partnership and marriage, and its element is AIR. Libra "
     "people are charming, fair and sociable. They seek balance in everything, dislike quarrels and are gifted at "
     "bringing people together. Weighing every side of a question, they can find it hard to make up their minds.",
     Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius),
     Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn), "Opal"},
    {"24 October -- 22 November",
     "The Seducer of the Zodiac, Scorpio is ruled by Pluto, and of old by Mars. Its symbol is the Scorpion, it "
     "governs the Eighth House, the house of birth, death and shared resources, and its element is WATER. Scorpio "
     "people are intense, passionate and magnetic. They feel everything deeply, keep their secrets well and never "
     "do anything by halves. They are fiercely loyal friends, but they do not easily forget a wrong.",
     Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn) | Bit(Sign::Pisces),
     Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius), "Topaz"},
    {"23 November -- 21 December",
     "The Gambler of the Zodiac, Sagittarius is ruled by Jupiter, the planet of luck and growth. Its symbol is "
     "the Archer, it governs the Ninth House, the house of long journeys, philosophy and higher learning, and its "
     "element is FIRE. Sagittarius people are optimistic, honest and adventurous. They love freedom, travel and "
     "big ideas, and they are ready to take a chance. Their frankness can be tactless, but it is never meant "
     "unkindly.",
     Bit(Sign::Aries) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius),
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn) | Bit(Sign::Pisces), "Turquoise"},
    {"22 December -- 20 January",
     "The Organizer of the Zodiac, Capricorn is ruled by Saturn, the planet of time and discipline. Its symbol is "
     "the Goat, it governs the Tenth House, the house of career and public standing, and its element is EARTH. "
     "Capricorn people are ambitious, patient and responsible. They plan carefully and climb steadily towards "
     "their goals, one sure step at a time. Reserved at first, they have a dry sense of humour and grow warmer "
     "with the years.",
     Bit(Sign::Taurus) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn) | Bit(Sign::Pisces),
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Libra) | Bit(Sign::Sagittarius), "Garnet"},
    {"21 January -- 19 February",
     "The Scientist of the Zodiac, Aquarius is ruled by Uranus, and of old by Saturn. Its symbol is the Water "
     "Bearer, it governs the Eleventh House, the house of friends, hopes and wishes, and its element is AIR. "
     "Aquarius people are original, independent and humane. They think for themselves, love new ideas and "
     "inventions and care about the good of all. Friendly to everyone, they still keep a certain distance and "
     "guard their freedom.",
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Libra) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius),
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Virgo) | Bit(Sign::Scorpio) | Bit(Sign::Pisces), "Amethyst"},
    {"20 February -- 20 March",
     "The Mystic of the Zodiac, Pisces is ruled by Neptune, and of old by Jupiter. Its symbol is the Fish, it "
     "governs the Twelfth House, the house of dreams, secrets and the unconscious, and its element is WATER. "
     "Pisces people are gentle, imaginative and compassionate. They sense what others feel, are drawn to art, "
     "music and the spiritual, and will help anyone in need. They can drift in their dreams and need a firm "
     "place to stand.",
     Bit(Sign::Taurus) | Bit(Sign::Cancer) | Bit(Sign::Scorpio) | Bit(Sign::Capricorn) | Bit(Sign::Pisces),
     Bit(Sign::Aries) | Bit(Sign::Gemini) | Bit(Sign::Leo) | Bit(Sign::Sagittarius) | Bit(Sign::Aquarius), "Aquamarine"},
};

const SignEntry* EntryOf(Sign sign)
{
    if (sign == Sign::None)
        return nullptr;
    return &kSigns[static_cast<int>(sign)];
}

// "Aries, Gemini, Leo": the signs of a set in the order of the zodiac.
std::string SignList(unsigned signs)
{
    std::string list;
    for (int i = 0; i < 12; ++i) {
        if (!(signs & Bit(static_cast<Sign>(i))))
            continue;
        if (!list.empty())
            list += ", ";
        list += SignName(static_cast<Sign>(i));
    }
    return list;
}

}  // namespace

bool ListsAsMostCompatible(Sign sign, Sign other)
{
    const SignEntry* entry = EntryOf(sign);
    return entry && other != Sign::None && (entry->mostCompatible & Bit(other));
}

bool ListsAsLeastCompatible(Sign sign, Sign other)
{
    const SignEntry* entry = EntryOf(sign);
    return entry && other != Sign::None && (entry->leastCompatible & Bit(other));
}

std::string SignText(Sign sign)
{
    const SignEntry* entry = EntryOf(sign);
    if (!entry)
        return std::string();
    return SignName(sign) + ParagraphBreak() + ColourChange("black") +
           Paragraphs({entry->dateRange, entry->description,
                       Lines({"Most Compatible Signs -- " + SignList(entry->mostCompatible),
                              "Least Compatible Signs -- " + SignList(entry->leastCompatible)})});
}

std::string Birthstone(Sign sign)
{
    const SignEntry* entry = EntryOf(sign);
    if (!entry)
        return std::string();
    return std::string("Birthstone -- ") + entry->birthstone;
}

std::string ZodiacAttractionText()
{
    return ParagraphBreak() + ColourChange("black") +
           Paragraphs({"Zodiac Attraction",
                       "Astrologers arrange the twelve signs of the Zodiac into four groups, one for each of the four "
                       "elements: Fire, Earth, Air and Water. Each group contains three signs, and signs of the same "
                       "element share a basic temperament and usually understand each other well.",
                       "The Fire Signs",
                       "Aries, Leo and Sagittarius are passionate, lively and outgoing. Together they make an "
                       "exciting match full of energy and fun, though two strong wills may clash. Fire gets on well "
                       "with Air, which fans its flames, while Water can put it out and Earth can smother it.",
                       "The Earth Signs",
                       "Taurus, Virgo and Capricorn are practical, steady and loyal. Two Earth signs build a secure "
                       "and lasting bond on shared values and common sense, though it may lack surprises. Earth is "
                       "nourished by Water and feels unsettled by the restless Air and Fire signs.",
                       "The Air Signs",
                       "Gemini, Libra and Aquarius are sociable, curious and talkative. Between Air signs ideas and "
                       "conversation never run dry, and each gives the other plenty of freedom. Air gets on well with "
                       "Fire, but may find Water too emotional and Earth too slow.",
                       "The Water Signs",
                       "Cancer, Scorpio and Pisces are sensitive, intuitive and deeply emotional. Water signs "
                       "understand each other without words and form close, caring bonds. Water is steadied by "
                       "Earth, while Fire and Air can leave it feeling misunderstood."});
}
