#include "driver/ListViewDriver.h"

#include <commctrl.h>

#include <cstring>
#include <functional>

namespace e2e {

namespace {

// Sends `message` with an lParam pointing to a copy of `bytes` made inside
// the list's own process, and reads the copy back into `bytes`. `prepare`
// may fill in pointers once the copy's address is known.
LRESULT SendThroughProcess(HWND list, UINT message, WPARAM wParam, std::string& bytes,
                           const std::function<void(char*)>& prepare = nullptr)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    auto* remote = process ? static_cast<char*>(VirtualAllocEx(process, nullptr, bytes.size(),
                                                               MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
                           : nullptr;
    LRESULT result = 0;
    if (remote) {
        if (prepare)
            prepare(remote);
        WriteProcessMemory(process, remote, bytes.data(), bytes.size(), nullptr);
        result = SendMessageA(list, message, wParam, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &bytes[0], bytes.size(), nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    if (process)
        CloseHandle(process);
    return result;
}

// The row's bounds in the list's client coordinates; empty when unknown.
RECT ItemRect(HWND list, int row)
{
    RECT rect{LVIR_BOUNDS, 0, 0, 0};
    std::string bytes(reinterpret_cast<const char*>(&rect), sizeof(rect));
    if (!SendThroughProcess(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), bytes))
        return RECT{};
    std::memcpy(&rect, bytes.data(), sizeof(rect));
    return rect;
}

} // namespace

int ListViewDriver::RowCount() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListViewDriver::CellText(int row, int column) const
{
    const int textSize = 512;
    std::string bytes(sizeof(LVITEMA) + textSize, '\0');
    auto point = [&](char* remote) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = remote + sizeof(LVITEMA);
        item.cchTextMax = textSize;
        std::memcpy(&bytes[0], &item, sizeof(item));
    };
    const LRESULT length = SendThroughProcess(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), bytes, point);
    return bytes.substr(sizeof(LVITEMA), length > 0 ? static_cast<size_t>(length) : 0);
}

std::vector<int> ListViewDriver::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (SendMessageA(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

void ListViewDriver::ClickRow(int row, bool control, bool twice) const
{
    const RECT rect = ItemRect(list_, row);
    // The first column's text is what a user aims at.
    const LPARAM position = MAKELPARAM(rect.left + 20, (rect.top + rect.bottom) / 2);
    const WPARAM keys = control ? MK_CONTROL : 0;
    PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON | keys, position);
    PostMessageA(list_, WM_LBUTTONUP, keys, position);
    if (twice) {
        PostMessageA(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, position);
        PostMessageA(list_, WM_LBUTTONUP, 0, position);
    }
}

void ListViewDriver::ClickEmptySpace() const
{
    RECT client{};
    GetClientRect(list_, &client);
    const RECT last = RowCount() > 0 ? ItemRect(list_, RowCount() - 1) : RECT{};
    const LPARAM position =
        MAKELPARAM(20, last.bottom + 4 < client.bottom ? (last.bottom + client.bottom) / 2 : client.bottom - 4);
    PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON, position);
    PostMessageA(list_, WM_LBUTTONUP, 0, position);
}

} // namespace e2e
