#pragma once
// A list view of another process. Item texts and rectangles travel through a
// buffer allocated inside the target process; clicks are real mouse messages
// posted to the control, since a WM_NOTIFY sent from outside never arrives.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ListViewDriver {
public:
    explicit ListViewDriver(HWND list) : list_(list) {}

    int RowCount() const;
    std::string CellText(int row, int column) const;
    std::vector<int> SelectedRows() const;

    // A left click in the middle of the row, with Ctrl held when `control`,
    // followed by a second one when `twice`.
    void ClickRow(int row, bool control = false, bool twice = false) const;
    // A click below the last row, where there is no item.
    void ClickEmptySpace() const;

private:
    HWND list_;
};

} // namespace e2e
