#pragma once
// The hosted web-browser control. All of its COM (the container site, the
// event sink, the control's interfaces) stays inside this class; the rest of
// the program sees only the before-navigate callback.
#include <windows.h>

#include <functional>
#include <string>

class BrowserSite;

class BrowserControl {
public:
    // Returns true to let a navigation proceed, false to cancel it.
    using BeforeNavigate = std::function<bool(const std::string& url)>;

    // Replaces the placeholder control `controlId` of `dialog` with a host
    // window of the same id and rectangle and puts the browser into it. When
    // the browser cannot be created the host window stays, white and empty.
    BrowserControl(HWND dialog, int controlId, BeforeNavigate beforeNavigate);
    ~BrowserControl();
    BrowserControl(const BrowserControl&) = delete;
    BrowserControl& operator=(const BrowserControl&) = delete;

    // Loads a file given by its full path; false when there is no browser or
    // it refused the call.
    bool Navigate(const std::string& fullPath);
    // Places the host window (and the browser with it) in dialog coordinates.
    void MoveTo(int x, int y, int width, int height);
    void Focus();

    HWND Window() const { return host_; }
    bool HasBrowser() const { return site_ != nullptr; }

private:
    static LRESULT CALLBACK HostProcedure(HWND, UINT, WPARAM, LPARAM);
    void Embed(BeforeNavigate beforeNavigate);

    HWND host_ = nullptr;
    BrowserSite* site_ = nullptr;
};
