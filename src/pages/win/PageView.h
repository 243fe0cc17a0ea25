#pragma once
// The built-in page view: shows the program's own page files where the
// browser control cannot. A child window that fills its parent, draws the
// page with GDI+, scrolls when the page is taller than the window (unless
// the body says scroll="no") and prints the page from its Print link.
#include <windows.h>

#include "pages/PageDocument.h"
#include "pages/PageLayout.h"
#include "pages/win/GdiPlusPageMeasurer.h"

#include <functional>
#include <string>

class PageView {
public:
    // Returns true to let a navigation proceed, false to cancel it.
    using BeforeNavigate = std::function<bool(const std::string& url)>;

    PageView(HWND parent, BeforeNavigate beforeNavigate);
    ~PageView();
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // Shows a page file by its full path, following a redirect page to its
    // content; false when the filter refused it (the page shown stays) or it
    // cannot be read (the view says the page is unavailable). An empty path
    // is a page the program could not write.
    bool Show(const std::string& path);
    // The file last shown: the redirect's target, or the page itself.
    const std::string& ShownPath() const { return shownPath_; }
    void Resize(int width, int height);
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void LayOut();
    RECT Area() const;
    void Paint();
    void ScrollTo(int top);
    void ScrollBy(int delta) { ScrollTo(top_ + delta); }
    bool Key(WPARAM key);
    void Scrolled(int request);
    const PageLink* LinkUnder(LPARAM point) const;
    void Print();

    HWND window_ = nullptr;
    BeforeNavigate beforeNavigate_;
    GdiPlusPageMeasurer measurer_;
    PageDocument page_;
    std::string shownPath_;
    PageLayout layout_;
    int top_ = 0;
    bool layingOut_ = false;
};
