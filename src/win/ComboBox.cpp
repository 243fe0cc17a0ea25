#include "win/ComboBox.h"

void ComboBox::Clear() { SendMessageA(combo_, CB_RESETCONTENT, 0, 0); }

void ComboBox::Add(const std::string& text)
{
    SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ComboBox::Count() const { return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0)); }

int ComboBox::Selection() const
{
    return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0));
}

void ComboBox::Select(int index)
{
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
