#pragma once
// The About box (dialog 100): the program's name, version and release date in
// yellow on black. It has no controls to route, so it keeps its own small dialog
// procedure instead of the grey-themed Dialog base.
#include <windows.h>

class AboutBox {
public:
    INT_PTR RunModal(HWND owner);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
