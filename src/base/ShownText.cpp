#include "base/ShownText.h"

std::string ShownText(const std::string& text, std::size_t longest)
{
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    if (shown.size() <= longest)
        return shown;
    std::size_t cut = longest;
    // Back to the first byte of a UTF-8 sequence, at most three steps: a
    // text in a single-byte code page loses a letter or two at worst.
    for (int step = 0; step < 3 && cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80; ++step)
        --cut;
    return shown.substr(0, cut) + "...";
}
