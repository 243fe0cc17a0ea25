#include "pages/win/PageWindow.h"

#include "PageWindowIds.h"
#include "base/ScreenPlacement.h"
#include "pages/win/PageHost.h"
#include "pages/win/PageFolder.h"
#include "win/GdiPlusCanvas.h"
#include "win/MessageBoxes.h"

namespace {

const char* const kMustStayOpenMessage = "Quick Tip dialog must remain open.       ";

} // namespace

PageWindow::PageWindow()
    : Dialog(IDD_PAGE_WINDOW),
      x_(GetSystemMetrics(SM_CXSCREEN) / 2 - 300 / 2),
      y_(GetSystemMetrics(SM_CYSCREEN) / 2 - 200 / 2)
{
}

// Out of line, where PageHost is complete.
PageWindow::~PageWindow() = default;

void PageWindow::OnInitDialog()
{
    // A modeless page lives inside its owner's modal loop, which feeds only
    // the owner to IsDialogMessage: Escape and the dialog keys would never
    // reach the page without the filter.
    AddMessageFilter([this](MSG& message) { return TakeKey(message); });
    SetCaption(title_);
    pageHost_ = std::make_unique<PageHost>(Handle(), IDC_BROWSER, ProgramPageFolder());
    SetWindowPos(Handle(), HWND_TOP, x_, y_, width_, height_, SWP_SHOWWINDOW);
    // The page fills what lies inside the frame, caption and borders not.
    RECT client{};
    GetClientRect(Handle(), &client);
    pageHost_->MoveTo(0, 0, client.right - client.left, client.bottom - client.top);
    pageHost_->Focus();
    if (!url_.empty())
        pageHost_->Navigate(url_);
}

void PageWindow::Navigate(const std::string& url)
{
    url_ = url;
    if (pageHost_)
        pageHost_->Navigate(url);
}

void PageWindow::OnCancel()
{
    if (mustStayOpen_) {
        ShowMessage(kMustStayOpenMessage, MessageKind::Information);
        return;
    }
    // Posted, not sent: the owner forgets the panel once this window is gone.
    if (notifyOnClose_)
        if (HWND owner = GetWindow(Handle(), GW_OWNER))
            PostMessageA(owner, kPageClosingMessage, 0, 0);
    End(IDCANCEL);
}

bool PageWindow::TakeKey(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !IsWithin(message.hwnd, Handle()))
        return false;
    return IsDialogMessageA(Handle(), &message) != FALSE;
}

void ShowPageModal(HWND owner, const std::string& redirectPath, const std::string& title, int width,
                   int height)
{
    width = ScreenPixels(owner, width);
    height = ScreenPixels(owner, height);
    PageWindow page;
    page.SetSize(width, height);
    // A page larger than the screen keeps its top left corner in view.
    page.SetPosition(std::max(0, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width)),
                     std::max(0, CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height)));
    page.SetTitle(title);
    page.SetUrl(redirectPath);
    page.RunModal(owner);
}
