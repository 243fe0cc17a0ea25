#pragma once
// The built-in page view: shows the program's own page files where the
// browser control cannot. A child window that fills its parent, draws the
// page with GDI+, scrolls when the page is taller than the window (unless
// the body says scroll="no") and prints the page from its Print link.
#include <windows.h>

#include "pages/PageDocument.h"
#include "pages/PageLayout.h"
#include "pages/win/GdiPlusPageMeasurer.h"
#include "pages/win/PageArea.h"

#include <string>

class PageView final : public PageArea {
public:
    PageView(HWND parent, BeforeNavigate beforeNavigate);
    ~PageView() override;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // Shows a page file by its full path, following a redirect page to its
    // content; false when the filter refused it (the page shown stays) or it
    // cannot be read (the view says the page is unavailable). An empty path
    // is a page the program could not write.
    bool Show(const std::string& path) override;
    void Resize(int width, int height) override;
    HWND KeyWindow() const override { return window_; }
    // The view window's messages.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void LayOut();
    RECT Area() const;
    void Paint();
    void ScrollTo(int top);
    void ScrollBy(int delta) { ScrollTo(top_ + delta); }
    bool Key(WPARAM key);
    void Scrolled(int request);
    const PageLink* LinkUnder(LPARAM point) const;
    void FollowLink();
    // Brings the link into sight and draws its focus while the view has
    // the focus.
    void ShowFocusedLink();
    void Print();

    HWND window_ = nullptr;
    BeforeNavigate beforeNavigate_;
    GdiPlusPageMeasurer measurer_;
    PageDocument page_;
    PageLayout layout_;
    int top_ = 0;
    bool layingOut_ = false;
};
