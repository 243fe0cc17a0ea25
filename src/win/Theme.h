#pragma once
// The application's look: one grey background, one bold Arial font. While
// Windows' high contrast is on, the system's window colours replace the grey
// and every label's own colour.
#include "base/ContrastCanvas.h"

#include <windows.h>

#include <optional>

namespace Theme {
// Asked once, and again after ForgetHighContrast: the user may switch high
// contrast on or off while the program runs (WM_SETTINGCHANGE,
// WM_SYSCOLORCHANGE).
bool HighContrast();
void ForgetHighContrast();
std::optional<ContrastColours> ScreenContrast();
COLORREF Background();
COLORREF Text();
// A label's own colour, or the text colour under high contrast.
COLORREF LabelText(COLORREF own);
HBRUSH BackgroundBrush();
// Arial, weight 700, ANSI character set, 16 pixels high on a 96-dpi screen;
// one font for each height asked for, created once.
constexpr int kBoldArialHeight = 16;
HFONT BoldArial(int height = kBoldArialHeight);
bool IsBoldArial(HFONT font);
// Instance handle of the program, for resources.
HINSTANCE Instance();
} // namespace Theme
