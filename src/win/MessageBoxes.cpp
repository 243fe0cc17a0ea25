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
    return MessageBoxExA(nullptr, text.c_str(), "Oracline", style,
                         MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
}

bool AskQuestion(const std::string& text)
{
    return ShowMessage(text, MessageKind::Question) == IDYES;
}
