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

std::string NarrowText(const wchar_t* text, size_t length)
{
    if (!text || length == 0)
        return std::string();
    const int size = static_cast<int>(length);
    const int needed = WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, size, &narrow[0], needed, nullptr, nullptr);
    return narrow;
}
