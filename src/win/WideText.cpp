#include "win/WideText.h"

#include <windows.h>

namespace {

std::wstring Wide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], needed);
    return wide;
}

std::string Narrow(const wchar_t* text, size_t length)
{
    if (!text || length == 0)
        return std::string();
    const int size = static_cast<int>(length);
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, &narrow[0], needed, nullptr, nullptr);
    return narrow;
}

} // namespace

std::wstring WideText(const std::string& text)
{
    return Wide(text);
}

std::string NarrowText(const wchar_t* text, size_t length)
{
    return Narrow(text, length);
}

std::string NarrowTextExactly(const wchar_t* text, size_t length)
{
    // By hand: Windows before Vista refuses WC_ERR_INVALID_CHARS.
    for (size_t i = 0; i < length; ++i) {
        const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF, low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
        if (low || (high && (i + 1 == length || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)))
            return std::string();
        i += high;
    }
    return Narrow(text, length);
}
