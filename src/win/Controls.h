#pragma once
// Small stateless helpers on dialog controls.
#include <windows.h>

#include <string>

namespace Controls {
// The text of a control or of any window of this process (a caption).
std::string Text(HWND dialog, int controlId);
std::string WindowText(HWND window);
void SetText(HWND dialog, int controlId, const std::string& text);
void Enable(HWND dialog, int controlId, bool on);
bool IsChecked(HWND dialog, int controlId);
void SetChecked(HWND dialog, int controlId, bool on);
void Focus(HWND dialog, int controlId);
void LimitText(HWND dialog, int controlId, int characters);
} // namespace Controls
