#include "win/Theme.h"

#include "win/ScopedHandle.h"

#include <cstdlib>
#include <map>

namespace Theme {

namespace {
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

Colour ColourOf(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}
} // namespace

namespace {
// The system's answer, or the setting the system keeps for the user: a
// system that answers for no setting of its own (Wine's) still has it.
bool AskHighContrast()
{
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON))
        return true;
    char flags[16] = {};
    DWORD size = sizeof flags - 1;
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Accessibility\\HighContrast", 0, KEY_QUERY_VALUE,
                      key.Receive()) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    const bool read = RegQueryValueExA(key.Get(), "Flags", nullptr, &type, reinterpret_cast<BYTE*>(flags), &size) ==
                          ERROR_SUCCESS &&
                      type == REG_SZ;
    return read && (std::strtoul(flags, nullptr, 10) & HCF_HIGHCONTRASTON);
}

std::optional<bool>& KnownHighContrast()
{
    static std::optional<bool> known;
    return known;
}
} // namespace

bool HighContrast()
{
    std::optional<bool>& known = KnownHighContrast();
    if (!known)
        known = AskHighContrast();
    return *known;
}

void ForgetHighContrast()
{
    KnownHighContrast().reset();
}

std::optional<ContrastColours> ScreenContrast()
{
    if (!HighContrast())
        return std::nullopt;
    return ContrastColours{ColourOf(GetSysColor(COLOR_WINDOW)), ColourOf(GetSysColor(COLOR_WINDOWTEXT))};
}

COLORREF Background()
{
    return HighContrast() ? GetSysColor(COLOR_WINDOW) : kGrey;
}

COLORREF Text()
{
    return HighContrast() ? GetSysColor(COLOR_WINDOWTEXT) : kBlack;
}

COLORREF LabelText(COLORREF own)
{
    return HighContrast() ? GetSysColor(COLOR_WINDOWTEXT) : own;
}

HBRUSH BackgroundBrush()
{
    // The system's brush follows the colour scheme by itself.
    static HBRUSH grey = CreateSolidBrush(kGrey);
    return HighContrast() ? GetSysColorBrush(COLOR_WINDOW) : grey;
}

namespace {
// Screens of more than a few scales are not met in one session.
std::map<int, HFONT>& BoldFonts()
{
    static std::map<int, HFONT> fonts;
    return fonts;
}
} // namespace

HFONT BoldArial(int height)
{
    HFONT& font = BoldFonts()[height];
    if (!font)
        font = CreateFontA(height, 0, 0, 0, 700, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    return font;
}

bool IsBoldArial(HFONT font)
{
    for (const auto& entry : BoldFonts())
        if (entry.second == font)
            return true;
    return false;
}

HINSTANCE Instance()
{
    return GetModuleHandleA(nullptr);
}

} // namespace Theme
