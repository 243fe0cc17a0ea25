#include "win/WideText.h"

#include <windows.h>

std::wstring WideText(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], needed);
    return wide;
}

namespace {

std::string Narrow(const wchar_t* text, size_t length, bool exactly)
{
    if (!text || length == 0)
        return std::string();
    const int size = static_cast<int>(length);
    const DWORD flags = exactly ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL substituted = FALSE;
    BOOL* substitutedOut = exactly ? &substituted : nullptr;
    const int needed = WideCharToMultiByte(CP_ACP, flags, text, size, nullptr, 0, nullptr, substitutedOut);
    if (needed <= 0 || substituted)
        return std::string();
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, flags, text, size, &narrow[0], needed, nullptr, nullptr);
    return narrow;
}

} // namespace

std::string NarrowText(const wchar_t* text, size_t length)
{
    return Narrow(text, length, false);
}

std::string NarrowTextExactly(const wchar_t* text, size_t length)
{
    return Narrow(text, length, true);
}

std::string Utf8FromWide(const wchar_t* text, size_t length)
{
    if (!text || length == 0)
        return std::string();
    const int size = static_cast<int>(length);
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string utf8(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, size, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}

std::string Utf8Text(const std::string& text)
{
    const std::wstring wide = WideText(text);
    return Utf8FromWide(wide.data(), wide.size());
}
