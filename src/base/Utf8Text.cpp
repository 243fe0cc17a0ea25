#include "base/Utf8Text.h"


namespace {

// Length of the well-formed sequence at `at`, or 0 when there is none.
std::size_t SequenceLength(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // overlong below
        else if (lead == 0xED)
            high = 0x9F;  // surrogates above
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;  // past U+10FFFF above
    } else
        return 0;
    if (at + length > text.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

bool IsValidUtf8(const std::string& bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string Utf8CharacterAt(const std::string& text, std::size_t at)
{
    if (at >= text.size())
        return std::string();
    const std::size_t length = SequenceLength(text, at);
    return text.substr(at, length == 0 ? 1 : length);
}

std::size_t Utf8Length(const std::string& text)
{
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        const std::size_t length = SequenceLength(text, at);
        at += length == 0 ? 1 : length;
    }
    return characters;
}

std::string Utf8Prefix(const std::string& text, std::size_t limit)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t length = SequenceLength(text, end);
        const std::size_t next = end + (length == 0 ? 1 : length);
        if (next > limit)
            break;
        end = next;
    }
    return text.substr(0, end);
}

std::string Utf8Repaired(const std::string& text, char standIn)
{
    std::string repaired;
    repaired.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        repaired += length == 0 ? std::string(1, standIn) : text.substr(at, length);
        at += length == 0 ? 1 : length;
    }
    return repaired;
}

void AppendUtf8(std::string& text, char32_t character)
{
    const auto put = [&](unsigned value) { text.push_back(static_cast<char>(value)); };
    if (character < 0x80) {
        put(character);
    } else if (character < 0x800) {
        put(0xC0 | (character >> 6));
        put(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        put(0xE0 | (character >> 12));
        put(0x80 | ((character >> 6) & 0x3F));
        put(0x80 | (character & 0x3F));
    } else {
        put(0xF0 | (character >> 18));
        put(0x80 | ((character >> 12) & 0x3F));
        put(0x80 | ((character >> 6) & 0x3F));
        put(0x80 | (character & 0x3F));
    }
}
