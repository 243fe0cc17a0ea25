#include "win/Theme.h"

namespace Theme {

HBRUSH BackgroundBrush()
{
    static HBRUSH brush = CreateSolidBrush(background);
    return brush;
}

HFONT BoldArial()
{
    static HFONT font = CreateFontA(16, 0, 0, 0, 700, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, "Arial");
    return font;
}

HINSTANCE Instance()
{
    return GetModuleHandleA(nullptr);
}

} // namespace Theme
