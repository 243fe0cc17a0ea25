#include "driver/ListViewDriver.h"

#include <commctrl.h>

namespace e2e {

namespace {

// Memory inside the process that owns a window, freed on destruction.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) : size_(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* Address(SIZE_T offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool Write(SIZE_T offset, const void* data, SIZE_T size) const
    {
        return offset + size <= size_ &&
               WriteProcessMemory(process_, Address(offset), data, size, nullptr);
    }
    bool Read(SIZE_T offset, void* data, SIZE_T size) const
    {
        return offset + size <= size_ &&
               ReadProcessMemory(process_, Address(offset), data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    SIZE_T size_;
};

} // namespace

int ListViewDriver::RowCount() const
{
    return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewDriver::CellText(int row, int column) const
{
    const SIZE_T textSize = 512;
    RemoteBuffer buffer(list_, sizeof(LVITEMA) + textSize);
    if (!buffer.Valid())
        return "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.Address(sizeof(LVITEMA));
    item.cchTextMax = static_cast<int>(textSize);
    buffer.Write(0, &item, sizeof(item));
    LRESULT length = SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                  reinterpret_cast<LPARAM>(buffer.Address()));
    std::string text(textSize, '\0');
    buffer.Read(sizeof(LVITEMA), &text[0], textSize);
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

RECT ListViewDriver::ItemRect(int row) const
{
    RECT rect{};
    RemoteBuffer buffer(list_, sizeof(RECT));
    if (!buffer.Valid())
        return rect;
    rect.left = LVIR_BOUNDS;
    buffer.Write(0, &rect, sizeof(rect));
    if (!SendMessageA(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(buffer.Address())))
        return RECT{};
    buffer.Read(0, &rect, sizeof(rect));
    return rect;
}

std::vector<int> ListViewDriver::SelectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (SendMessageA(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
            LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

void ListViewDriver::ClickAt(POINT point, WPARAM keys) const
{
    LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON | keys, position);
    PostMessageA(list_, WM_LBUTTONUP, keys, position);
}

void ListViewDriver::ClickRow(int row, bool control) const
{
    RECT rect = ItemRect(row);
    // The first column's text is what a user aims at.
    POINT point{rect.left + 20, (rect.top + rect.bottom) / 2};
    ClickAt(point, control ? MK_CONTROL : 0);
}

void ListViewDriver::DoubleClickRow(int row) const
{
    RECT rect = ItemRect(row);
    POINT point{rect.left + 20, (rect.top + rect.bottom) / 2};
    ClickAt(point, 0);
    LPARAM position = MAKELPARAM(point.x, point.y);
    PostMessageA(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, position);
    PostMessageA(list_, WM_LBUTTONUP, 0, position);
}

void ListViewDriver::ClickEmptySpace() const
{
    RECT client{};
    GetClientRect(list_, &client);
    POINT point{20, client.bottom - 4};
    int rows = RowCount();
    if (rows > 0) {
        RECT last = ItemRect(rows - 1);
        if (last.bottom + 4 < client.bottom)
            point.y = (last.bottom + client.bottom) / 2;
    }
    ClickAt(point, 0);
}

} // namespace e2e
