#pragma once
// The hosted web-browser control. All of its COM (the container site, the
// event sink, the control's interfaces) stays inside this class; the rest of
// the program sees only pages to show. Navigation is limited to the print
// link and the program's own pages in the data folder (NavigationAllowed).
//
// Where the control cannot show the program's pages (it cannot be created or
// activated, or a local page file fails to load, as on Wine without an HTML
// engine), the area shows them in the built-in page view instead, and every
// page area does so for the rest of the run. The view also says so when a
// page could not be written.
//
// The page shown, and the page a redirect leads to, stay held (see
// HeldPages) until the control shows another page or goes.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class BrowserSite;
class PageView;

class BrowserControl {
public:
    // Replaces the placeholder control `controlId` of `dialog` with a host
    // window of the same id and rectangle and puts the browser, or the
    // built-in view, into it.
    BrowserControl(HWND dialog, int controlId);
    ~BrowserControl();
    BrowserControl(const BrowserControl&) = delete;
    BrowserControl& operator=(const BrowserControl&) = delete;

    // Loads a file given by its full path; false when it was refused or
    // cannot be shown. An empty path is a page that could not be written.
    bool Navigate(const std::string& fullPath);
    // Places the host window (and the browser with it) in dialog coordinates.
    void MoveTo(int x, int y, int width, int height);
    void Focus();

    HWND Window() const { return host_; }

private:
    static LRESULT CALLBACK HostProcedure(HWND, UINT, WPARAM, LPARAM);
    void Embed();
    // `forGood` when the browser failed, not just the page.
    void UseBuiltInView(bool forGood);
    void Hold(const std::string& path);
    void ReleaseHolds();

    HWND host_ = nullptr;
    BrowserSite* site_ = nullptr;
    std::unique_ptr<PageView> view_;
    std::string shownPath_;  // the page last asked for, shown again after a switch
    std::vector<std::pair<std::string, unsigned>> held_;  // paths and their writings
};
