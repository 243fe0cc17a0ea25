#include "pages/HtmlTokens.h"

#include "base/AsciiText.h"

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Position of the lower-case `needle` in `html` from `from` on, ignoring
// case; npos if none. The needle is a closing tag of a few bytes.
size_t FindNoCase(std::string_view html, std::string_view needle, size_t from)
{
    for (size_t i = from; i + needle.size() <= html.size(); ++i)
        if (SameNoCase(html.substr(i, needle.size()), needle))
            return i;
    return std::string_view::npos;
}

// Reads the tag starting at the '<' at `at`. `end` is where it ends, or,
// when it does not end within kMostTagBytes, where reading stopped.
bool ReadTag(std::string_view html, size_t at, HtmlToken& token, size_t& end)
{
    const size_t limit = std::min(html.size(), at + kMostTagBytes);
    size_t i = at + 1;
    token.kind = HtmlToken::StartTag;
    token.attributes.clear();
    if (html[i] == '/') {
        token.kind = HtmlToken::EndTag;
        ++i;
    }
    const size_t nameStart = i;
    while (i < limit && !IsSpace(html[i]) && html[i] != '>' && html[i] != '/')
        ++i;
    token.name = html.substr(nameStart, i - nameStart);
    for (;;) {
        while (i < limit && (IsSpace(html[i]) || html[i] == '/'))
            ++i;
        if (i >= limit) {
            end = limit;
            return false;
        }
        if (html[i] == '>')
            break;
        const size_t nameAt = i;
        while (i < limit && !IsSpace(html[i]) && html[i] != '>' && html[i] != '=' && html[i] != '/')
            ++i;
        const std::string_view name = html.substr(nameAt, i - nameAt);
        while (i < limit && IsSpace(html[i]))
            ++i;
        std::string_view value;
        if (i < limit && html[i] == '=') {
            ++i;
            while (i < limit && IsSpace(html[i]))
                ++i;
            if (i < limit && (html[i] == '"' || html[i] == '\'')) {
                const char quote = html[i++];
                const size_t close = html.substr(0, limit).find(quote, i);
                if (close == std::string_view::npos) {
                    end = limit;
                    return false;
                }
                value = html.substr(i, close - i);
                i = close + 1;
            } else {
                const size_t valueAt = i;
                while (i < limit && !IsSpace(html[i]) && html[i] != '>')
                    ++i;
                value = html.substr(valueAt, i - valueAt);
            }
        }
        if (!name.empty())
            token.attributes.emplace_back(name, value);
    }
    end = i + 1;
    token.text = html.substr(at, end - at);
    return true;
}

} // namespace

bool SameNoCase(std::string_view text, std::string_view lower)
{
    if (text.size() != lower.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (LowerAscii(text[i]) != lower[i])
            return false;
    return true;
}

bool HtmlToken::Is(std::string_view lowerName) const
{
    return SameNoCase(name, lowerName);
}

std::string_view HtmlToken::Attribute(std::string_view lowerName) const
{
    for (const auto& attribute : attributes)
        if (SameNoCase(attribute.first, lowerName))
            return attribute.second;
    return std::string_view();
}

void TokenizeHtml(std::string_view html, const std::function<void(const HtmlToken&)>& take)
{
    HtmlToken token;
    size_t textStart = 0;
    auto flushText = [&](size_t end) {
        if (end <= textStart)
            return;
        HtmlToken text;
        text.text = html.substr(textStart, end - textStart);
        take(text);
    };
    size_t i = 0;
    while ((i = html.find('<', i)) != std::string_view::npos && i + 1 < html.size()) {
        const char next = html[i + 1];
        if (next == '!' || next == '?') {
            // Comments and declarations.
            size_t end;
            if (html.compare(i, 4, "<!--") == 0) {
                end = html.find("-->", i + 4);
                end = end == std::string_view::npos ? html.size() : end + 3;
            } else {
                end = html.find('>', i);
                end = end == std::string_view::npos ? html.size() : end + 1;
            }
            flushText(i);
            i = textStart = end;
            continue;
        }
        if (!IsLetter(next) && !(next == '/' && i + 2 < html.size() && IsLetter(html[i + 2]))) {
            ++i;
            continue;
        }
        size_t end = 0;
        if (!ReadTag(html, i, token, end)) {
            i = end;
            continue;
        }
        flushText(i);
        i = textStart = end;
        take(token);
        if (token.kind == HtmlToken::StartTag && (token.Is("script") || token.Is("style"))) {
            // What a script holds is never shown, '<' or not.
            const size_t close = FindNoCase(html, token.Is("script") ? "</script" : "</style", i);
            i = textStart = close == std::string_view::npos ? html.size() : close;
        }
    }
    flushText(html.size());
}
