#pragma once
// Which device the user last worked a window with. A change the keyboard
// makes in a list must leave the focus in that list: moving it on, as the
// program does after a click, shuts a dropped list under the user's fingers
// and sends the next keys (Enter included) to a button.
//
//     AddMessageFilter(inputWatch_.FilterFor(Handle()));   // in OnInitDialog
//     if (inputWatch_.MayMoveFocus()) Controls::Focus(Handle(), IDCANCEL);
//
// The keys and clicks are seen through the modal loops' message filter, so
// the window runs modally or inside another window's modal loop. The
// dialog keeps the filter, and drops it when the window ends.
#include "win/MessageFilters.h"

#include <windows.h>

class InputWatch {
public:
    // The filter that keeps this watch up to date for `window`; the watch
    // must outlive the filter's registration.
    MessageFilterRegistration::Filter FilterFor(HWND window);

    // False from a key going down in the window, or in a popup it owns (a
    // dropped list), until the next mouse click there.
    bool MayMoveFocus() const { return !keyboard_; }

private:
    bool keyboard_ = false;
};
