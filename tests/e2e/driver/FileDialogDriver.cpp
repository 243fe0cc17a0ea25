#include "driver/FileDialogDriver.h"

#include "driver/Driver.h"

#include <dlgs.h>

namespace e2e {

FileDialogDriver::FileDialogDriver(DWORD processId, const std::string& caption)
    : dialog_(WaitForDialog(processId, caption))
{
}

namespace {

struct FieldSearch {
    HWND byId = nullptr;
    HWND firstEdit = nullptr;
};

bool IsEdit(HWND window)
{
    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    return lstrcmpiA(className, "Edit") == 0;
}

BOOL CALLBACK FindField(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<FieldSearch*>(parameter);
    int id = GetDlgCtrlID(window);
    if (!search->byId && IsEdit(window) && id == edt1)
        search->byId = window;
    // The edit inside the file-name combo box cmb13 has an id of its own.
    if (!search->byId && IsEdit(window) && GetDlgCtrlID(GetParent(window)) == cmb13)
        search->byId = window;
    if (!search->firstEdit && IsEdit(window) && IsWindowVisible(window))
        search->firstEdit = window;
    return TRUE;
}

} // namespace

HWND FileDialogDriver::FileNameField() const
{
    if (!dialog_)
        return nullptr;
    // Explorer-style dialogs hold the name in edt1, or in the edit of the
    // combo box cmb13; both may sit below an inner dialog.
    FieldSearch search;
    EnumChildWindows(dialog_, FindField, reinterpret_cast<LPARAM>(&search));
    return search.byId ? search.byId : search.firstEdit;
}

bool FileDialogDriver::TypeFileName(const std::string& name) const
{
    HWND field = FileNameField();
    if (!field)
        return false;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()),
                               SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

std::string FileDialogDriver::FileName() const
{
    HWND field = FileNameField();
    return field ? TextOf(field) : std::string();
}

bool FileDialogDriver::Accept() const
{
    if (!dialog_)
        return false;
    PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDOK)));
    return WaitUntilGone(dialog_, 5000);
}

bool FileDialogDriver::Cancel() const
{
    if (!dialog_)
        return false;
    PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDCANCEL)));
    return WaitUntilGone(dialog_, 5000);
}

} // namespace e2e
