#include "pages/win/PageHost.h"

#include "pages/NavigationFilter.h"
#include "pages/PageUrl.h"
#include "pages/win/BrowserSite.h"
#include "pages/win/PageFolder.h"
#include "pages/win/PageView.h"
#include "win/ObjectWindow.h"

namespace {

const char* const kHostClass = "OraclineBrowserHost";

// Once the web browser failed to show a page, the built-in page view shows
// every page for the rest of the run, in every host.
bool builtInViewForRun = false;

} // namespace

PageHost::PageHost(HWND dialog, int controlId, PageFolder& pages) : pages_(pages)
{
    RECT area{0, 0, 0, 0};
    if (HWND placeholder = GetDlgItem(dialog, controlId)) {
        GetWindowRect(placeholder, &area);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
        DestroyWindow(placeholder);
    }
    if (!RegisterObjectWindowClass(kHostClass, ObjectWindowProcedure<PageHost>, 0,
                                   static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))))
        return;
    host_ = CreateWindowExA(0, kHostClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
                            area.left, area.top, area.right - area.left, area.bottom - area.top, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                            GetModuleHandleA(nullptr), nullptr);
    if (!host_)
        return;
    SetWindowLongPtrA(host_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (!builtInViewForRun)
        area_ = EmbedWebBrowser(host_, [this](const std::string& url) { return Allow(url); });
    if (!area_)
        UseBuiltInView();
}

PageHost::~PageHost()
{
    // Destroying the window takes everything apart (TearDown).
    if (host_ && IsWindow(host_))
        DestroyWindow(host_);
    TearDown();
}

void PageHost::TearDown()
{
    // The page area goes while the host window still exists.
    area_.reset();
    ReleaseHolds();
    if (host_)
        SetWindowLongPtrA(host_, GWLP_USERDATA, 0);
    host_ = nullptr;
}

bool PageHost::Allow(const std::string& url)
{
    const bool allowed = NavigationAllowed(url, pages_.Folder());
    // A redirect's target is held from here on, like the page first asked for.
    if (allowed)
        Hold(LocalPathOfUrl(url));
    return allowed;
}

void PageHost::Hold(const std::string& path)
{
    if (const unsigned writing = path.empty() ? 0 : pages_.HeldWriting(path))
        held_.emplace_back(path, writing);
}

void PageHost::UseBuiltInView()
{
    if (builtIn_ || !host_)
        return;
    const bool focused = GetFocus() && (GetFocus() == host_ || IsChild(host_, GetFocus()));
    // The holds stay: a page let go cannot be held again.
    area_.reset();
    builtIn_ = true;
    area_ = std::make_unique<PageView>(host_, [this](const std::string& url) { return Allow(url); });
    if (!shownPath_.empty())
        area_->Show(shownPath_);
    if (focused)
        if (HWND keys = area_->KeyWindow())
            SetFocus(keys);
}

bool PageHost::Navigate(const std::string& fullPath)
{
    ReleaseHolds();
    shownPath_ = fullPath;
    Hold(fullPath);
    // The browser has no page to say that a page could not be written.
    if (fullPath.empty())
        UseBuiltInView();
    return area_ && area_->Show(fullPath);
}

void PageHost::ReleaseHolds()
{
    for (const auto& page : held_)
        pages_.Release(page.first, page.second);
    held_.clear();
}

void PageHost::MoveTo(int x, int y, int width, int height)
{
    if (host_)
        MoveWindow(host_, x, y, width, height, TRUE);
}

void PageHost::Focus()
{
    if (host_)
        SetFocus(host_);
}

LRESULT PageHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (area_)
            area_->Resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        // The dialog manager focuses the host; the keys belong to the page.
        if (HWND keys = area_ ? area_->KeyWindow() : nullptr) {
            SetFocus(keys);
            return 0;
        }
        break;
    case kBrowserCannotShowPages:
        // Posted: the switch cannot happen inside the control's own event.
        builtInViewForRun = true;
        UseBuiltInView();
        return 0;
    case WM_DESTROY: {
        HWND window = host_;
        TearDown();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcA(host_, message, wParam, lParam);
}
