#include "driver/EditorDriver.h"

namespace e2e {

const char* const kEditorCaption = "Profile";

EditorDriver EditorDriver::Open(DWORD processId, HWND mainWindow, int buttonId)
{
    PressButton(mainWindow, buttonId);
    return EditorDriver(WaitForDialog(processId, kEditorCaption));
}

void EditorDriver::SetText(int controlId, const std::string& text) const
{
    SendMessageA(Control(dialog_, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void EditorDriver::ClickCheckBox(int controlId) const
{
    // An automatic check box flips itself and tells the dialog, as a click would.
    SendMessageA(Control(dialog_, controlId), BM_CLICK, 0, 0);
}

bool EditorDriver::Checked(int controlId) const
{
    return SendMessageA(Control(dialog_, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string EditorDriver::ItemText(int listId, int index) const
{
    HWND list = Control(dialog_, listId);
    LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0)
        return "";
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(static_cast<size_t>(length));
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), &text[0], bytes,
                            nullptr, nullptr);
    return text;
}

bool EditorDriver::Choose(int listId, const std::string& text) const
{
    ComboDriver list = List(listId);
    for (int index = 0; index < list.Count(); ++index)
        if (ItemText(listId, index) == text) {
            list.Choose(index);
            return true;
        }
    return false;
}

bool EditorDriver::ChooseDate(int monthListId, int month, int day, int year) const
{
    return Choose(monthListId, std::to_string(month)) && Choose(monthListId + 2, std::to_string(year)) &&
           Choose(monthListId + 1, std::to_string(day));
}

std::string EditorDriver::ShownDate(int monthListId) const
{
    std::string shown;
    bool empty = true;
    for (int offset : {0, 1, 2}) {
        int listId = monthListId + offset;
        empty = empty && List(listId).Count() == 0;
        if (offset > 0)
            shown += "/";
        shown += List(listId).Selection() < 0 ? "-" : SelectedText(listId);
    }
    return empty ? "" : shown;
}

MessageBoxSeen EditorDriver::Save(DWORD processId, DWORD timeoutMs) const
{
    PressButton(dialog_, IDOK);
    return WaitForMessageBox(processId, timeoutMs);
}

} // namespace e2e
