#pragma once
// Small stateless helpers on dialog controls.
#include <windows.h>

#include <string>

namespace Controls {
std::string Text(HWND dialog, int controlId);
void SetText(HWND dialog, int controlId, const std::string& text);
void Enable(HWND dialog, int controlId, bool on);
bool IsChecked(HWND dialog, int controlId);
void SetChecked(HWND dialog, int controlId, bool on);
void Focus(HWND dialog, int controlId);
void LimitText(HWND dialog, int controlId, int characters);
} // namespace Controls
