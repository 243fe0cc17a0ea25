#include "platform/SystemCodePage.h"

#include <windows.h>

namespace {

UINT SystemCodePage()
{
    DWORD codePage = 0;
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR)) == 0 ||
        codePage == 0 || codePage == CP_UTF8 || !IsValidCodePage(codePage))
        return 1252;
    return codePage;
}

} // namespace

std::string Utf8FromSystemCodePage(const std::string& bytes)
{
    static const UINT codePage = SystemCodePage();
    if (bytes.empty())
        return std::string();
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (units <= 0)
        return std::string();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], units);
    const int needed = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return std::string();
    std::string utf8(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}
