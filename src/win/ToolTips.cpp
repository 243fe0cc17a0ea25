#include "win/ToolTips.h"

#include "win/Theme.h"

#include <commctrl.h>

ToolTips::ToolTips(HWND dialog) : dialog_(dialog)
{
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                           nullptr, Theme::Instance(), nullptr);
}

ToolTips::~ToolTips()
{
    if (tip_ && IsWindow(tip_))
        DestroyWindow(tip_);
}

void ToolTips::Add(int controlId, const std::string& text)
{
    HWND control = GetDlgItem(dialog_, controlId);
    if (!tip_ || !control)
        return;
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = dialog_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::Activate(bool on)
{
    if (tip_)
        SendMessageA(tip_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}
