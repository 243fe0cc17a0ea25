/* The floor of bench/window-times.sh for start-up and closing: a dialog
 * program that does nothing but show its dialog (floor-dialog.rc) and, on
 * "Open", a second one over it, which closes on Escape.
 *
 * Built again with MAIN_DIALOG defined and the program's own main window
 * template, artwork and manifest linked in, it shows that dialog instead and
 * still runs no code of the program: how much of the start-up the window's
 * controls take under Wine by themselves. */
#include <windows.h>
#ifdef MAIN_DIALOG
#include <commctrl.h>

#include "MainWindowIds.h"
#define FIRST_DIALOG IDD_MAIN_WINDOW
#else
#define FIRST_DIALOG 1
#endif

static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == 100)
        DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(2), dialog, Procedure, 0);
    else if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)
        EndDialog(dialog, 0);
    return TRUE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous; (void)commandLine; (void)show;
#ifdef MAIN_DIALOG
    /* The list view is a common control, as in the program. */
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    return (int)DialogBoxParamA(instance, MAKEINTRESOURCEA(FIRST_DIALOG), NULL, Procedure, 0);
}
