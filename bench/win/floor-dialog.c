/* The floor of bench/window-times.sh for start-up and closing: a dialog
 * program that does nothing but show its dialog (floor-dialog.rc) and, on
 * "Open", a second one over it, which closes on Escape. */
#include <windows.h>

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
    return (int)DialogBoxParamA(instance, MAKEINTRESOURCEA(1), NULL, Procedure, 0);
}
