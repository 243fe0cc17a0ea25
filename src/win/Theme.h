#pragma once
// The application's look: one grey background, one bold Arial font.
#include <windows.h>

namespace Theme {
constexpr COLORREF background = RGB(128, 128, 128);
constexpr COLORREF text = RGB(0, 0, 0);
HBRUSH BackgroundBrush();
// Arial, 16 pixels high, weight 700, ANSI character set; created once.
HFONT BoldArial();
// Instance handle of the program, for resources.
HINSTANCE Instance();
} // namespace Theme
