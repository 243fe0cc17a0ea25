#include "win/WideText.h"

#include <windows.h>

namespace {

std::wstring Wide(UINT codePage, const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (needed <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], needed);
    return wide;
}

std::string Narrow(const wchar_t* text, size_t length, DWORD flags)
{
    if (!text || length == 0)
        return std::string();
    const int size = static_cast<int>(length);
    const int needed = WideCharToMultiByte(CP_UTF8, flags, text, size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, flags, text, size, &narrow[0], needed, nullptr, nullptr);
    return narrow;
}

} // namespace

std::wstring WideText(const std::string& text)
{
    return Wide(CP_UTF8, text);
}

std::string NarrowText(const wchar_t* text, size_t length)
{
    return Narrow(text, length, 0);
}

std::string NarrowTextExactly(const wchar_t* text, size_t length)
{
    return Narrow(text, length, WC_ERR_INVALID_CHARS);
}
