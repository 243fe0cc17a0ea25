#pragma once
// Shows the wait cursor for the life of the object; long operations end it
// before their final message.
#include <windows.h>

class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { End(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void End()
    {
        if (active_)
            SetCursor(previous_);
        active_ = false;
    }

private:
    HCURSOR previous_;
    bool active_ = true;
};
