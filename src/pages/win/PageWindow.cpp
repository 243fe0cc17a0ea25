#include "pages/win/PageWindow.h"

#include "PageWindowIds.h"
#include "pages/NavigationFilter.h"
#include "pages/win/BrowserControl.h"
#include "win/MessageBoxes.h"

#include <algorithm>
#include <vector>

namespace {

const char* const kMustStayOpenMessage = "Quick Tip dialog must remain open.       ";

// A modeless page window lives inside its owner's modal loop, which feeds
// only the owner to IsDialogMessage: Escape and the dialog keys would never
// reach the page. Every dialog loop offers its messages to the thread's
// message filter first, so the open page windows take theirs there.
std::vector<HWND> openPages;
HHOOK keyFilter = nullptr;
// IsDialogMessage below offers the message (a copy of it) to the filter
// again; the page it is working for is left alone meanwhile.
HWND pageInFlight = nullptr;

bool Belongs(HWND window, HWND page)
{
    return window == page || IsChild(page, window);
}

LRESULT CALLBACK FilterPageKeys(int code, WPARAM wParam, LPARAM lParam)
{
    auto* message = reinterpret_cast<MSG*>(lParam);
    // Only keys: everything else, kPageClosingMessage above all, goes on to
    // the filters of the owners and to the window's own procedure.
    if (code == MSGF_DIALOGBOX && message && message->message >= WM_KEYFIRST &&
        message->message <= WM_KEYLAST && !(pageInFlight && Belongs(message->hwnd, pageInFlight))) {
        for (HWND page : openPages) {
            if (!Belongs(message->hwnd, page))
                continue;
            HWND outer = pageInFlight;
            pageInFlight = page;
            BOOL handled = IsDialogMessageA(page, message);
            pageInFlight = outer;
            if (handled)
                return TRUE;
            break;
        }
    }
    return CallNextHookEx(keyFilter, code, wParam, lParam);
}

void AddOpenPage(HWND page)
{
    openPages.push_back(page);
    if (!keyFilter)
        keyFilter = SetWindowsHookExA(WH_MSGFILTER, FilterPageKeys, nullptr, GetCurrentThreadId());
}

void RemoveOpenPage(HWND page)
{
    openPages.erase(std::remove(openPages.begin(), openPages.end(), page), openPages.end());
    if (openPages.empty() && keyFilter) {
        UnhookWindowsHookEx(keyFilter);
        keyFilter = nullptr;
    }
}

} // namespace

PageWindow::PageWindow()
    : Dialog(IDD_PAGE_WINDOW),
      x_(GetSystemMetrics(SM_CXSCREEN) / 2 - 300 / 2),
      y_(GetSystemMetrics(SM_CYSCREEN) / 2 - 200 / 2)
{
}

// Out of line, where BrowserControl is complete. The browser goes first,
// while its host window may still exist; the base class then destroys an
// open modeless window without passing WM_DESTROY on to us.
PageWindow::~PageWindow()
{
    if (Handle())
        RemoveOpenPage(Handle());
    browser_.reset();
}

void PageWindow::OnInitDialog()
{
    AddOpenPage(Handle());
    SetWindowTextA(Handle(), title_.c_str());
    browser_ = std::make_unique<BrowserControl>(Handle(), IDC_BROWSER, NavigationAllowed);
    SetWindowPos(Handle(), HWND_TOP, x_, y_, width_, height_, SWP_SHOWWINDOW);
    browser_->MoveTo(0, 0, width_, height_);
    browser_->Focus();
    if (!url_.empty())
        browser_->Navigate(url_);
}

void PageWindow::Navigate(const std::string& url)
{
    url_ = url;
    if (browser_)
        browser_->Navigate(url);
}

void PageWindow::OnCancel()
{
    if (mustStayOpen_) {
        ShowMessage(kMustStayOpenMessage, MessageKind::Information);
        return;
    }
    if (notifyOnClose_) {
        // The owner watches its message loop for this message. A destroyed
        // window's posted messages are purged from the queue, so the window
        // only hides now and goes when the message itself arrives here,
        // after the owner has seen it.
        PostMessageA(Handle(), kPageClosingMessage, 0, 0);
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    End(IDCANCEL);
}

bool PageWindow::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
{
    switch (message) {
    case kPageClosingMessage: {
        // An owner that watches its loop has seen the message on its way
        // here; one that does not hears of the closing afterwards, once
        // the window is gone and the PageWindow may safely be deleted.
        HWND owner = GetWindow(Handle(), GW_OWNER);
        End(IDCANCEL);
        if (owner)
            PostMessageA(owner, kPageClosingMessage, 0, 0);
        result = 0;
        return true;
    }
    case WM_DESTROY:
        // The browser is taken apart while its host window still exists;
        // the message goes on to the default handling.
        RemoveOpenPage(Handle());
        browser_.reset();
        return false;
    default:
        return false;
    }
}

void ShowPageModal(HWND owner, const std::string& redirectPath, const std::string& title, int width,
                   int height)
{
    PageWindow page;
    page.SetSize(width, height);
    page.SetPosition(CentreOffset(GetSystemMetrics(SM_CXSCREEN), width),
                     CentreOffset(GetSystemMetrics(SM_CYSCREEN), height));
    page.SetTitle(title);
    page.SetUrl(redirectPath);
    page.RunModal(owner);
}
