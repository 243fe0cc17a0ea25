#include "win/Theme.h"

#include <map>

namespace Theme {

HBRUSH BackgroundBrush()
{
    static HBRUSH brush = CreateSolidBrush(background);
    return brush;
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
