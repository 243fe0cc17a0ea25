#include "win/ListView.h"
#include "win/DisplayScale.h"
#include "win/Theme.h"

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

namespace {

const char* const kThemed = "OraclineThemedList";

void ApplyThemeColours(HWND list)
{
    SendMessageA(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(Theme::Background()));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(Theme::Background()));
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(Theme::Text()));
}

// A styled header keeps its own light face but takes the button text colour,
// which high contrast may make white: under high contrast the headers are
// drawn here, face and text from the one pair of system colours made to be
// read together.
void DrawHeaderItem(HWND header, const NMCUSTOMDRAW& draw)
{
    char text[260] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(header, HDM_GETITEMA, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
    RECT place = draw.rc;
    FillRect(draw.hdc, &place, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(draw.hdc, &place, BDR_RAISEDINNER, BF_RECT);
    SetTextColor(draw.hdc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(draw.hdc, TRANSPARENT);
    InflateRect(&place, -GetSystemMetrics(SM_CXEDGE) * 3, 0);
    DrawTextA(draw.hdc, text, -1, &place, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

const char* const kListProcedure = "OraclineListProcedure";

LRESULT CALLBACK ThemedList(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(list, kListProcedure));
    if (message == WM_NOTIFY && Theme::HighContrast()) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == NM_CUSTOMDRAW &&
            header->hwndFrom == reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0))) {
            const NMCUSTOMDRAW& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
            if (draw.dwDrawStage == CDDS_PREPAINT)
                return CDRF_NOTIFYITEMDRAW;
            if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
                DrawHeaderItem(header->hwndFrom, draw);
                return CDRF_SKIPDEFAULT;
            }
        }
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(list, kListProcedure);
        RemovePropA(list, kThemed);
    }
    return CallWindowProcA(previous, list, message, wParam, lParam);
}

} // namespace

void RefreshThemeColours(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetPropA(child, kThemed))
            ApplyThemeColours(child);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ListView::UseThemeColours()
{
    ApplyThemeColours(list_);
    if (!GetPropA(list_, kThemed)) {
        SetPropA(list_, kThemed, reinterpret_cast<HANDLE>(1));
        SetPropA(list_, kListProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrA(list_, GWLP_WNDPROC)));
        SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ThemedList));
    }
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
