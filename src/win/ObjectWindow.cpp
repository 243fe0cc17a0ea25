#include "win/ObjectWindow.h"

bool RegisterObjectWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background)
{
    WNDCLASSA windowClass{};
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    WNDCLASSA existing{};
    return GetClassInfoA(windowClass.hInstance, name, &existing) || RegisterClassA(&windowClass) != 0;
}
