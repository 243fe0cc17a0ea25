#include "app/win/AboutBox.h"

#include "MainWindowIds.h"
#include "OraclineVersion.h"
#include "app/ReleaseDate.h"
#include "win/DialogFont.h"

#include <string>

namespace {

HBRUSH BlackBrush()
{
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

} // namespace

INT_PTR AboutBox::RunModal(HWND owner)
{
    return RunScalableDialog(IDD_ABOUT, owner, Procedure, 0);
}

INT_PTR CALLBACK AboutBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        std::string line = "Oracline 2005, version " ORACLINE_VERSION_TEXT "\nreleased " + ReleaseDateText(__DATE__);
        SetDlgItemTextA(window, IDC_ABOUT_TEXT, line.c_str());
        return TRUE;
    }
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(BlackBrush());
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(255, 255, 0));
        SetBkColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<INT_PTR>(BlackBrush());
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        (void)lParam;
        return FALSE;
    }
}
