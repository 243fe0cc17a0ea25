#include "profiles/ChineseYears.h"

#include "pages/PageMarkup.h"

namespace {

struct Animal {
    const char* name;
    const char* description;
};

// 1900 was a year of the Rat; the twelve follow each other in this order.
const Animal kAnimals[12] = {
    {"Rat",
     "People born in the Year of the Rat are charming, clever and quick-witted. They are hard working and "
     "thrifty, spot an opportunity before anyone else and always find a way out of a tight spot. Sociable and "
     "generous with those they love, they can also be critical and restless, and they like to keep a little "
     "something in reserve."},
    {"Ox",
     "People born in the Year of the Ox are patient, dependable and strong. They work steadily towards their "
     "goals and finish what they start, and their calm confidence inspires trust. They are honest and loyal "
     "family people, but they can be stubborn, and once angered they are slow to forgive."},
    {"Tiger",
     "People born in the Year of the Tiger are brave, passionate and daring. Natural leaders, they love a "
     "challenge and fight for what they believe in. They are generous and full of energy, and their warmth "
     "draws others to them. Their impulsive, rebellious side, however, can lead them into risky adventures."},
    {"Rabbit",
     "People born in the Year of the Rabbit are gentle, elegant and kind. They have good taste, fine manners "
     "and a gift for diplomacy, and they prefer peace and comfort to conflict. Cautious and thoughtful, they "
     "are often lucky in business and in friendship, though they can be too reserved to seize their chances."},
    {"Dragon",
     "People born in the Year of the Dragon are energetic, confident and ambitious. The Dragon is the luckiest "
     "sign of the Chinese zodiac, and its people often rise to success and fame. They are enthusiastic, "
     "generous and full of ideas, but they can be proud, demanding and impatient with those who cannot keep "
     "up."},
    {"Snake",
     "People born in the Year of the Snake are wise, elegant and intuitive. They think deeply, speak little and "
     "act only when they are sure. They have a fine sense of beauty and a talent for money. Charming and "
     "mysterious, they make loyal partners, though they can be jealous and do not easily share their secrets."},
    {"Horse",
     "People born in the Year of the Horse are lively, cheerful and independent. They love freedom, travel and "
     "company, and their quick wit and warm heart make them popular everywhere. They work hard when their heart "
     "is in it, but they are impatient, change their minds easily and dislike being told what to do."},
    {"Goat",
     "People born in the Year of the Goat are gentle, creative and kind-hearted. They have artistic talent and "
     "a love of beauty, and they are generous to anyone in need. Peace-loving and sensitive, they work best in "
     "a calm and friendly place, but they tend to worry and need the support of those around them."},
    {"Monkey",
     "People born in the Year of the Monkey are clever, inventive and full of fun. They learn fast, solve "
     "problems with ease and can turn almost any situation to their advantage. Lively and curious, they are the "
     "life of every party, but they can be restless, vain and too fond of playing tricks on others."},
    {"Rooster",
     "People born in the Year of the Rooster are honest, hard working and observant. They are punctual, well "
     "organised and proud of their appearance, and they speak their minds frankly. Loyal and dependable, they "
     "make good friends and careful planners, though their outspoken manner can sometimes hurt others."},
    {"Dog",
     "People born in the Year of the Dog are loyal, honest and fair. They stand by their friends through thick "
     "and thin and cannot bear injustice. Responsible and hard working, they are trusted by everyone around "
     "them. They can be anxious and pessimistic, however, and they do not open their hearts to strangers "
     "easily."},
    {"Pig",
     "People born in the Year of the Pig are warm, generous and sincere. They enjoy the good things of life, "
     "work hard to provide for those they love and believe the best of everyone. Tolerant and good-natured, "
     "they make many friends, though their trusting nature means others can take advantage of them."},
};

const Animal* AnimalOf(int year)
{
    if (year < kFirstAnimalYear || year > kLastAnimalYear)
        return nullptr;
    return &kAnimals[(year - kFirstAnimalYear) % 12];
}

}  // namespace

std::string ChineseYearText(int year)
{
    const Animal* animal = AnimalOf(year);
    if (!animal)
        return std::string();
    return std::string("The Year of the ") + animal->name + ParagraphBreak() + ColourChange("black") +
           animal->description;
}
