#include "win/InputWatch.h"

namespace {

// A dropped list is a popup owned by the dialog, not one of its children;
// other owned windows (a dialog opened from this one) are not the window.
bool Concerns(HWND target, HWND window)
{
    if (IsWithin(target, window))
        return true;
    char className[16] = "";
    return GetClassNameA(target, className, sizeof className) && lstrcmpiA(className, "ComboLBox") == 0 &&
           IsWithin(GetWindow(target, GW_OWNER), window);
}

} // namespace

MessageFilterRegistration::Filter InputWatch::FilterFor(HWND window)
{
    return [this, window](MSG& message) {
        if (!Concerns(message.hwnd, window))
            return false;
        switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            keyboard_ = true;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            keyboard_ = false;
            break;
        default:
            break;
        }
        return false;
    };
}
