/* What the main window costs before any of the program's code runs: a
 * program that shows the main window's own dialog (its template, pictures
 * and the program's manifest, linked in by bench/window-times.sh) and does
 * nothing else. Set against the floor dialog it tells how much of the
 * start-up the window's controls take under Wine by themselves. */
#include <windows.h>
#include <commctrl.h>

#include "MainWindowIds.h"

static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous; (void)commandLine; (void)show;
    /* The list view is a common control, as in the program. */
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return (int)DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), NULL, Procedure, 0);
}
