#include "pages/HtmlTokens.h"

#include "base/AsciiText.h"

#include <cctype>
#include <cstdlib>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Position of `needle` in `html` from `from` on, ignoring case; npos if none.
size_t FindNoCase(const std::string& html, const std::string& needle, size_t from)
{
    for (size_t i = from; i + needle.size() <= html.size(); ++i) {
        size_t k = 0;
        while (k < needle.size() &&
               LowerAscii(html[i + k]) == needle[k])
            ++k;
        if (k == needle.size())
            return i;
    }
    return std::string::npos;
}

struct NamedEntity {
    const char* name;
    char value;
};

const NamedEntity kEntities[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", '\xA0'},
};

// Reads one tag from `html` at `at` (just after '<'); false when the tag has
// no closing '>', so the '<' is text after all.
bool ReadTag(const std::string& html, size_t at, HtmlToken& token, size_t& end)
{
    size_t i = at;
    token.kind = HtmlToken::StartTag;
    if (html[i] == '/') {
        token.kind = HtmlToken::EndTag;
        ++i;
    }
    const size_t nameStart = i;
    while (i < html.size() && !IsSpace(html[i]) && html[i] != '>' && html[i] != '/')
        ++i;
    token.name = LowerAscii(html.substr(nameStart, i - nameStart));
    for (;;) {
        while (i < html.size() && (IsSpace(html[i]) || html[i] == '/'))
            ++i;
        if (i >= html.size())
            return false;
        if (html[i] == '>')
            break;
        const size_t attributeStart = i;
        while (i < html.size() && !IsSpace(html[i]) && html[i] != '>' && html[i] != '=' && html[i] != '/')
            ++i;
        std::string name = LowerAscii(html.substr(attributeStart, i - attributeStart));
        while (i < html.size() && IsSpace(html[i]))
            ++i;
        std::string value;
        if (i < html.size() && html[i] == '=') {
            ++i;
            while (i < html.size() && IsSpace(html[i]))
                ++i;
            if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const size_t close = html.find(quote, i);
                if (close == std::string::npos)
                    return false;
                value = html.substr(i, close - i);
                i = close + 1;
            } else {
                const size_t valueStart = i;
                while (i < html.size() && !IsSpace(html[i]) && html[i] != '>')
                    ++i;
                value = html.substr(valueStart, i - valueStart);
            }
        }
        if (!name.empty())
            token.attributes.emplace_back(std::move(name), DecodeEntities(value));
    }
    end = i + 1;
    token.text = html.substr(at - 1, end - (at - 1));
    return true;
}

} // namespace

std::string HtmlToken::Attribute(const std::string& wanted, const std::string& fallback) const
{
    for (const auto& attribute : attributes)
        if (attribute.first == wanted)
            return attribute.second;
    return fallback;
}

std::string DecodeEntities(const std::string& text)
{
    if (text.find('&') == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (semicolon == std::string::npos || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, semicolon - i - 1);
        bool known = false;
        if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string digits = name.substr(hex ? 2 : 1);
            char* rest = nullptr;
            const long code = digits.empty() ? -1 : std::strtol(digits.c_str(), &rest, hex ? 16 : 10);
            if (rest && *rest == '\0' && code > 0) {
                // Pages are in the ANSI code page; what it cannot hold shows as '?'.
                out += code < 256 ? static_cast<char>(code) : '?';
                known = true;
            }
        } else {
            for (const NamedEntity& entity : kEntities)
                if (name == entity.name) {
                    out += entity.value;
                    known = true;
                }
        }
        if (known)
            i = semicolon;
        else
            out += text[i];
    }
    return out;
}

std::vector<HtmlToken> TokenizeHtml(const std::string& html)
{
    std::vector<HtmlToken> tokens;
    std::string pending;
    auto flushText = [&] {
        if (pending.empty())
            return;
        HtmlToken text;
        text.text = DecodeEntities(pending);
        tokens.push_back(std::move(text));
        pending.clear();
    };
    size_t i = 0;
    while (i < html.size()) {
        if (html[i] != '<' || i + 1 >= html.size()) {
            pending += html[i++];
            continue;
        }
        const char next = html[i + 1];
        if (next == '!' || next == '?') {
            // Comments and declarations.
            size_t end;
            if (html.compare(i, 4, "<!--") == 0) {
                end = html.find("-->", i + 4);
                end = end == std::string::npos ? html.size() : end + 3;
            } else {
                end = html.find('>', i);
                end = end == std::string::npos ? html.size() : end + 1;
            }
            flushText();
            i = end;
            continue;
        }
        if (!IsLetter(next) && !(next == '/' && i + 2 < html.size() && IsLetter(html[i + 2]))) {
            pending += html[i++];
            continue;
        }
        HtmlToken tag;
        size_t end = 0;
        if (!ReadTag(html, i + 1, tag, end)) {
            pending += html[i++];
            continue;
        }
        flushText();
        i = end;
        const bool rawText = tag.kind == HtmlToken::StartTag && (tag.name == "script" || tag.name == "style");
        const std::string closing = "</" + tag.name;
        tokens.push_back(std::move(tag));
        if (rawText) {
            // What a script holds is never shown, '<' or not.
            const size_t close = FindNoCase(html, closing, i);
            i = close == std::string::npos ? html.size() : close;
        }
    }
    flushText();
    return tokens;
}
