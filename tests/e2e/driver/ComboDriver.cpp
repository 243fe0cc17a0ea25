#include "driver/ComboDriver.h"

namespace e2e {

ComboDriver::ComboDriver(HWND dialog, int controlId)
    : dialog_(dialog), combo_(GetDlgItem(dialog, controlId)), controlId_(controlId)
{
}

int ComboDriver::Count() const
{
    return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0));
}

int ComboDriver::Selection() const
{
    return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0));
}

std::string ComboDriver::ItemText(int index) const
{
    LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0)
        return "";
    // Across processes Wine hands the entry back in UTF-16 whichever form was
    // asked for, so ask for that form and convert it here.
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(&wide[0]));
    if (copied == CB_ERR || copied < 0)
        return "";
    wide.resize(static_cast<size_t>(copied));
    std::string text(wide.size() * 2 + 1, '\0');
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                    &text[0], static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return text;
}

void ComboDriver::Choose(int index) const
{
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(controlId_, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo_));
}

bool ComboDriver::ChooseText(const std::string& text) const
{
    for (int index = 0; index < Count(); ++index)
        if (ItemText(index) == text) {
            Choose(index);
            return true;
        }
    return false;
}

} // namespace e2e
