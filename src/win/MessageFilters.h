#pragma once
// Messages meant for a window that lives inside another window's modal loop.
// DialogBox and MessageBox run loops of their own that hand keys only to
// their own dialog, so a modeless page inside the main window's loop would
// never see Escape, and the hourly window's F2 would end in a button. Every
// such loop offers each message to the thread's message filter first; this
// is the one filter, shared by every window that registers a function here.
//
//     keys_ = std::make_unique<MessageFilterRegistration>([this](MSG& message) {
//         return message.message == WM_KEYDOWN && message.wParam == VK_F2 && Print();
//     });
//
// The newest registration is asked first. A function that returns true has
// taken the message: the loop does not dispatch it. While a function runs
// (it may open a dialog of its own), it is not asked about further messages.
#include <windows.h>

#include <functional>
#include <memory>

class MessageFilterRegistration {
public:
    using Filter = std::function<bool(MSG&)>;

    explicit MessageFilterRegistration(Filter filter);
    ~MessageFilterRegistration();
    MessageFilterRegistration(const MessageFilterRegistration&) = delete;
    MessageFilterRegistration& operator=(const MessageFilterRegistration&) = delete;

    struct Entry;

private:
    std::shared_ptr<Entry> entry_;
};

// True when `window` is `top` or one of its descendants.
bool IsWithin(HWND window, HWND top);

// Runs `action` when `key` goes down in `window` or one of its controls, even
// inside the window's own modal loop; dialogs opened from there (the print
// dialog, message boxes) keep their keys. Keeping the result alive keeps the
// key caught.
std::unique_ptr<MessageFilterRegistration> CatchKeyDown(HWND window, WPARAM key, std::function<void()> action);
