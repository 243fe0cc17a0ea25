#include "win/MessageBoxes.h"

#include <windows.h>

int ShowMessage(const std::string& text, MessageKind kind)
{
    UINT style = MB_TASKMODAL;
    switch (kind) {
    case MessageKind::Error: style |= MB_ICONSTOP | MB_OK; break;
    case MessageKind::Information: style |= MB_ICONINFORMATION | MB_OK; break;
    case MessageKind::Question: style |= MB_ICONQUESTION | MB_YESNO; break;
    }
    // The box has no owner, so once it closes no window need be active
    // (under Wine none is, and keys go nowhere until a click): the window
    // the user was working in gets them back, in the control that had them.
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    const int answer = MessageBoxExA(nullptr, text.c_str(), "Oracline", style,
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (active && IsWindow(active) && IsWindowEnabled(active)) {
        SetActiveWindow(active);
        if (focus && (focus == active || IsChild(active, focus)) && IsWindowVisible(focus) && IsWindowEnabled(focus))
            SetFocus(focus);
    }
    return answer;
}

bool AskQuestion(const std::string& text)
{
    return ShowMessage(text, MessageKind::Question) == IDYES;
}
