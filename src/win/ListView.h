#pragma once
// A report-style list view of a dialog, by its control id.
#include <windows.h>

#include <string>
#include <vector>

// After a change of the colour scheme or of high contrast: every list of
// `dialog` that uses the theme's colours takes them anew, and the dialog is
// drawn again.
void RefreshThemeColours(HWND dialog);

class ListView {
public:
    ListView(HWND dialog, int controlId) : list_(GetDlgItem(dialog, controlId)) {}
    HWND Handle() const { return list_; }
    // The width in 96-dpi pixels.
    void AddColumn(int index, const std::string& title, int width);
    // Widens or narrows the columns in their proportions until together they
    // fill the list, less room for a scroll bar, at any scale and font.
    void FitColumns();
    // The program's grey with black text, or the system's colours while high
    // contrast is on, the column headers included; the list follows a
    // change of either (RefreshThemeColours).
    void UseThemeColours();
    int Count() const;
    // Appends a row; returns its index.
    int AppendRow(const std::vector<std::string>& cells);
    void SetRow(int row, const std::vector<std::string>& cells);
    void DeleteRow(int row);
    std::string Cell(int row, int column) const;
    // Selected rows in list order.
    std::vector<int> SelectedRows() const;
    void SetSelected(int row, bool selected);
    void SelectOnly(int row);
    void Focus(int row);

private:
    HWND list_;
};
