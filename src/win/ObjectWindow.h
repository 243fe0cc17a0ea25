#pragma once
// Child windows of the program's own classes, each driven by an object kept
// in the window's user data (GWLP_USERDATA, set once the window exists and
// cleared before the object goes).
#include <windows.h>

// Registers the class once; true when it exists.
bool RegisterObjectWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background);

// The class's window procedure: hands every message to the object's
// OnMessage(message, wParam, lParam). Nothing may unwind through the system's
// code; a window without its object, or an object that fails, gets the
// default handling.
template <typename T>
LRESULT CALLBACK ObjectWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
