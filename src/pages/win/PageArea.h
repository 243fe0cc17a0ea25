#pragma once
// What shows pages inside the page host's window: the web-browser control
// or the built-in page view. The host holds one and talks to it only here.
#include <windows.h>

#include <functional>
#include <string>

class PageArea {
public:
    // Asked before every page the area loads, a redirect's target included:
    // true lets it proceed, false cancels it.
    using BeforeNavigate = std::function<bool(const std::string& url)>;

    virtual ~PageArea() = default;
    // Loads a page file by its full path; false when it was refused or
    // cannot be shown.
    virtual bool Show(const std::string& path) = 0;
    // Fills the host's client area of this size.
    virtual void Resize(int width, int height) = 0;
    // The window that takes the keys, or null.
    virtual HWND KeyWindow() const = 0;
};
