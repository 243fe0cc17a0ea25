#include "win/MessageFilters.h"

#include <algorithm>
#include <vector>

struct MessageFilterRegistration::Entry {
    Filter filter;
    bool running = false;
    bool removed = false;
};

namespace {

// One thread runs every window of the program, so one list and one hook do.
std::vector<std::shared_ptr<MessageFilterRegistration::Entry>> entries;
HHOOK hook = nullptr;

LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message) {
        // A copy: a filter may register or remove entries while it runs.
        const auto snapshot = entries;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            MessageFilterRegistration::Entry& entry = **it;
            if (entry.removed || entry.running)
                continue;
            bool taken = false;
            entry.running = true;
            try {
                taken = entry.filter(*message);
            } catch (...) {
                // Nothing may unwind through the system's message loop.
            }
            entry.running = false;
            if (taken)
                return 1;
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

MessageFilterRegistration::MessageFilterRegistration(Filter filter) : entry_(std::make_shared<Entry>())
{
    entry_->filter = std::move(filter);
    entries.push_back(entry_);
    if (!hook)
        hook = SetWindowsHookExA(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
}

MessageFilterRegistration::~MessageFilterRegistration()
{
    entry_->removed = true;
    entries.erase(std::remove(entries.begin(), entries.end(), entry_), entries.end());
    if (entries.empty() && hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

bool IsWithin(HWND window, HWND top)
{
    return window && top && (window == top || IsChild(top, window));
}

std::unique_ptr<MessageFilterRegistration> CatchKeyDown(HWND window, WPARAM key, std::function<void()> action)
{
    return std::make_unique<MessageFilterRegistration>([window, key, action](MSG& message) {
        if (message.message != WM_KEYDOWN || message.wParam != key || !IsWithin(message.hwnd, window))
            return false;
        action();
        return true;
    });
}
