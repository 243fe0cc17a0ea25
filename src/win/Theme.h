#pragma once
// The application's look: one grey background, one bold Arial font.
#include <windows.h>

namespace Theme {
constexpr COLORREF background = RGB(128, 128, 128);
constexpr COLORREF text = RGB(0, 0, 0);
HBRUSH BackgroundBrush();
// Arial, weight 700, ANSI character set, 16 pixels high on a 96-dpi screen;
// one font for each height asked for, created once.
constexpr int kBoldArialHeight = 16;
HFONT BoldArial(int height = kBoldArialHeight);
bool IsBoldArial(HFONT font);
// Instance handle of the program, for resources.
HINSTANCE Instance();
} // namespace Theme
