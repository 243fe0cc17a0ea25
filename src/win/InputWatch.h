#pragma once
// Which device the user last worked a window with. A change the keyboard
// makes in a list must leave the focus in that list: moving it on, as the
// program does after a click, shuts a dropped list under the user's fingers
// and sends the next keys (Enter included) to a button.
//
//     watch_ = std::make_unique<InputWatch>(Handle());   // in OnInitDialog
//     if (watch_->MayMoveFocus()) Controls::Focus(Handle(), IDCANCEL);
//
// The keys and clicks are seen through the modal loops' message filter, so
// the window runs modally or inside another window's modal loop.
#include <windows.h>

#include <memory>

class MessageFilterRegistration;

class InputWatch {
public:
    explicit InputWatch(HWND window);
    ~InputWatch();
    InputWatch(const InputWatch&) = delete;
    InputWatch& operator=(const InputWatch&) = delete;

    // False from a key going down in the window, or in a popup it owns (a
    // dropped list), until the next mouse click there.
    bool MayMoveFocus() const { return !keyboard_; }

private:
    bool keyboard_ = false;
    std::unique_ptr<MessageFilterRegistration> filter_;
};
