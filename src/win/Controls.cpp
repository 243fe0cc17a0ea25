#include "win/Controls.h"

namespace Controls {

std::string Text(HWND dialog, int controlId)
{
    return WindowText(GetDlgItem(dialog, controlId));
}

std::string WindowText(HWND window)
{
    if (!window)
        return "";
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void SetText(HWND dialog, int controlId, const std::string& text)
{
    SetDlgItemTextA(dialog, controlId, text.c_str());
}

void Enable(HWND dialog, int controlId, bool on)
{
    if (HWND control = GetDlgItem(dialog, controlId))
        EnableWindow(control, on ? TRUE : FALSE);
}

bool IsChecked(HWND dialog, int controlId)
{
    return IsDlgButtonChecked(dialog, controlId) == BST_CHECKED;
}

void SetChecked(HWND dialog, int controlId, bool on)
{
    CheckDlgButton(dialog, controlId, on ? BST_CHECKED : BST_UNCHECKED);
}

void Focus(HWND dialog, int controlId)
{
    if (HWND control = GetDlgItem(dialog, controlId))
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void LimitText(HWND dialog, int controlId, int characters)
{
    SendDlgItemMessageA(dialog, controlId, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

} // namespace Controls
