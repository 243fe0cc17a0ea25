#include "win/ListView.h"
#include "win/DisplayScale.h"

#include <commctrl.h>

void ListView::AddColumn(int index, const std::string& title, int width)
{
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(title.c_str());
    column.cx = ScreenPixels(list_, width);
    column.iSubItem = index;
    SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void ListView::FitColumns()
{
    HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    const int count = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    RECT client{};
    GetClientRect(list_, &client);
    const bool scrollBarShown = (GetWindowLongA(list_, GWL_STYLE) & WS_VSCROLL) != 0;
    const int room = client.right - (scrollBarShown ? 0 : GetSystemMetrics(SM_CXVSCROLL));
    int total = 0;
    for (int i = 0; i < count; ++i)
        total += static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
    if (total <= 0 || room <= 0)
        return;
    int given = 0;
    for (int i = 0; i < count; ++i) {
        const int width = static_cast<int>(SendMessageA(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        // The last column takes what rounding left over.
        const int fitted = i + 1 < count ? MulDiv(width, room, total) : room - given;
        SendMessageA(list_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i), MAKELPARAM(fitted, 0));
        given += fitted;
    }
}

void ListView::SetColours(COLORREF background, COLORREF textBackground, COLORREF text)
{
    SendMessageA(list_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageA(list_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(textBackground));
    SendMessageA(list_, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

int ListView::Count() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

int ListView::AppendRow(const std::vector<std::string>& cells)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = const_cast<char*>(cells.empty() ? "" : cells[0].c_str());
    int row = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row >= 0)
        SetRow(row, cells);
    return row;
}

void ListView::SetRow(int row, const std::vector<std::string>& cells)
{
    for (size_t column = 0; column < cells.size(); ++column) {
        LVITEMA item{};
        item.iSubItem = static_cast<int>(column);
        item.pszText = const_cast<char*>(cells[column].c_str());
        SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

void ListView::DeleteRow(int row) { SendMessageA(list_, LVM_DELETEITEM, static_cast<WPARAM>(row), 0); }

std::string ListView::Cell(int row, int column) const
{
    // Descriptions and names are at most 100 characters; the buffer leaves room.
    char buffer[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::vector<int> ListView::SelectedRows() const
{
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                LVNI_SELECTED))) != -1)
        rows.push_back(row);
    return rows;
}

void ListView::SetSelected(int row, bool selected)
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListView::SelectOnly(int row)
{
    SetSelected(-1, false);
    SetSelected(row, true);
    Focus(row);
}

void ListView::Focus(int row)
{
    LVITEMA item{};
    item.stateMask = LVIS_FOCUSED;
    item.state = LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageA(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}
