#pragma once
// The dialogs name MS Sans Serif 8, a bitmap face that comes in a few sizes
// only: past them it stops growing, and with it the dialog and everything
// laid out by its units. Where it cannot reach the screen's scale the dialog
// is made from a copy of its template that names a TrueType face of the same
// design instead, which grows with any scale.
#include <windows.h>

// Run or create dialog `resourceId` of the program's resources as
// DialogBoxParam and CreateDialogParam do, in a face that follows the scale.
INT_PTR RunScalableDialog(int resourceId, HWND owner, DLGPROC procedure, LPARAM parameter);
HWND CreateScalableDialog(int resourceId, HWND parent, DLGPROC procedure, LPARAM parameter);
