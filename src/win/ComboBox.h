#pragma once
// A drop-down list of a dialog, by its control id.
#include <windows.h>

#include <string>

class ComboBox {
public:
    ComboBox(HWND dialog, int controlId) : combo_(GetDlgItem(dialog, controlId)) {}
    void Clear();
    void Add(const std::string& text);
    int Count() const;
    // -1 when nothing is selected.
    int Selection() const;
    // An index outside the list leaves it without a selection.
    void Select(int index);

private:
    HWND combo_;
};
