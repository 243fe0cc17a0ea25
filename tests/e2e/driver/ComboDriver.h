#pragma once
// A drop-down list of another process's dialog. Choosing an entry sets the
// selection and then tells the dialog, as the user's choice would.
#include <windows.h>

#include <string>

namespace e2e {

class ComboDriver {
public:
    ComboDriver(HWND dialog, int controlId);

    int Count() const;
    int Selection() const;
    std::string ItemText(int index) const;
    std::string SelectedText() const { return ItemText(Selection()); }
    // Sets the selection and sends CBN_SELCHANGE to the dialog; returns when
    // the dialog has handled it.
    void Choose(int index) const;
    // Chooses the entry with this text; false when there is none.
    bool ChooseText(const std::string& text) const;

private:
    HWND dialog_;
    HWND combo_;
    int controlId_;
};

} // namespace e2e
