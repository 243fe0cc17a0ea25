#include "pages/win/PageView.h"

#include "pages/PageParser.h"
#include "pages/PageUrl.h"
#include "win/GdiPlusCanvas.h"
#include "win/ObjectWindow.h"
#include "printing/win/Printing.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kViewClass = "OraclinePageView";
// Shown instead of a page the program could not write or read back.
const char* const kUnavailablePage =
    "<body bgcolor=\"gray\"><center><font color=\"white\" size=\"2\" face=\"Verdana\"><b>"
    "This page is unavailable.</b></font></center></body>";
// One arrow key or wheel notch, in pixels, as browsers scroll.
constexpr int kLineStep = 40;
constexpr float kPixelsPerInch = 96;

// The page in inches for the printer's graphics, which measure in inches.
PageLayout InInches(PageLayout layout)
{
    const float k = 1 / kPixelsPerInch;
    for (PagePiece& piece : layout.pieces) {
        piece.x *= k;
        piece.y *= k;
        piece.width *= k;
        piece.height *= k;
    }
    for (PageStyle& style : layout.styles)
        style.font.size *= k;
    layout.width *= k;
    layout.height *= k;
    return layout;
}

} // namespace

PageView::PageView(HWND parent, BeforeNavigate beforeNavigate) : beforeNavigate_(std::move(beforeNavigate))
{
    if (!RegisterObjectWindowClass(kViewClass, ObjectWindowProcedure<PageView>, CS_HREDRAW | CS_VREDRAW, nullptr))
        return;
    RECT area{};
    GetClientRect(parent, &area);
    window_ = CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, area.right, area.bottom,
                              parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_)
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PageView::~PageView()
{
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        if (IsWindow(window_))
            DestroyWindow(window_);
    }
}

bool PageView::Show(const std::string& path)
{
    if (!path.empty() && beforeNavigate_ && !beforeNavigate_(path))
        return false;
    PageDocument page;
    std::string shown;
    bool loaded = !path.empty() && LoadPageFile(path, page, shown);
    // The filter sees the redirect's target too, as the browser's does.
    if (loaded && shown != path && beforeNavigate_ && !beforeNavigate_(shown))
        loaded = false;
    if (!loaded)
        page = ParsePage(kUnavailablePage);
    page_ = std::move(page);
    top_ = 0;
    LayOut();
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
    return loaded;
}

void PageView::Resize(int width, int height)
{
    if (window_)
        MoveWindow(window_, 0, 0, width, height, TRUE);
}

void PageView::LayOut()
{
    if (!window_ || layingOut_)
        return;
    layingOut_ = true;
    const RECT area = Area();
    const bool hadBar = (GetWindowLongPtrA(window_, GWL_STYLE) & WS_VSCROLL) != 0;
    const int barWidth = LayoutPixels(window_, GetSystemMetrics(SM_CXVSCROLL));
    const int width = area.right + (hadBar ? barWidth : 0);
    const int height = area.bottom;
    measurer_.SetScale(WindowScale(window_));
    layout_ = LayOutPage(page_, static_cast<float>(width), static_cast<float>(height), measurer_);
    const bool needsBar = page_.scrolls && layout_.height > height;
    if (needsBar)
        layout_ = LayOutPage(page_, static_cast<float>(width - barWidth), static_cast<float>(height), measurer_);
    ShowScrollBar(window_, SB_VERT, needsBar);
    const int contentHeight = static_cast<int>(std::ceil(layout_.height));
    top_ = needsBar ? std::clamp(top_, 0, std::max(0, contentHeight - height)) : 0;
    if (needsBar) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = contentHeight - 1;
        info.nPage = static_cast<UINT>(height);
        info.nPos = top_;
        SetScrollInfo(window_, SB_VERT, &info, TRUE);
    }
    layingOut_ = false;
}

void PageView::ScrollTo(int top)
{
    if (!page_.scrolls)
        return;
    const RECT area = Area();
    const int limit = std::max(0, static_cast<int>(std::ceil(layout_.height)) - static_cast<int>(area.bottom));
    top = std::clamp(top, 0, limit);
    if (top == top_)
        return;
    top_ = top;
    SetScrollPos(window_, SB_VERT, top_, TRUE);
    InvalidateRect(window_, nullptr, FALSE);
}

void PageView::Scrolled(int request)
{
    const RECT area = Area();
    const int page = std::max(kLineStep, static_cast<int>(area.bottom) - kLineStep);
    switch (request) {
    case SB_LINEUP: ScrollBy(-kLineStep); break;
    case SB_LINEDOWN: ScrollBy(kLineStep); break;
    case SB_PAGEUP: ScrollBy(-page); break;
    case SB_PAGEDOWN: ScrollBy(page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(static_cast<int>(layout_.height)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(window_, SB_VERT, &info))
            ScrollTo(info.nTrackPos);
        break;
    }
    default: break;
    }
}

bool PageView::Key(WPARAM key)
{
    static const std::pair<WPARAM, int> kKeys[] = {
        {VK_UP, SB_LINEUP},     {VK_DOWN, SB_LINEDOWN}, {VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN},
        {VK_SPACE, SB_PAGEDOWN}, {VK_HOME, SB_TOP},      {VK_END, SB_BOTTOM},
    };
    for (const auto& entry : kKeys)
        if (entry.first == key) {
            Scrolled(entry.second);
            return true;
        }
    return false;
}

// Laid out and scrolled in 96-dpi pixels; the paint brings it to the
// window's scale.
RECT PageView::Area() const
{
    RECT area{};
    GetClientRect(window_, &area);
    return {0, 0, LayoutPixels(window_, area.right), LayoutPixels(window_, area.bottom)};
}

void PageView::Paint()
{
    const RECT area = Area();
    PaintWindow(window_, [&](Canvas& canvas) {
        PageLayout band = layout_;
        band.width = std::max(band.width, static_cast<float>(area.right));
        DrawPage(band, canvas, static_cast<float>(top_), static_cast<float>(area.bottom), false);
    }, true);
    // The keys reach the Print link through the view: while the view has
    // the focus, the link is the one Enter follows, and it shows so.
    if (GetFocus() == window_ && !layout_.links.empty()) {
        const PageLink& link = layout_.links.front();
        const float scale = WindowScale(window_);
        RECT box{static_cast<LONG>((link.x - 2) * scale), static_cast<LONG>((link.y - top_ - 1) * scale),
                 static_cast<LONG>((link.x + link.width + 2) * scale),
                 static_cast<LONG>((link.y - top_ + link.height + 1) * scale)};
        HDC dc = GetDC(window_);
        DrawFocusRect(dc, &box);
        ReleaseDC(window_, dc);
    }
}

void PageView::FollowLink()
{
    // The print link is the only link the program's pages carry.
    if (!beforeNavigate_ || beforeNavigate_(kPrintLink))
        Print();
}

void PageView::ShowFocusedLink()
{
    if (!layout_.links.empty()) {
        const PageLink& link = layout_.links.front();
        const RECT area = Area();
        if (link.y < top_ || link.y + link.height > top_ + area.bottom)
            ScrollTo(static_cast<int>(link.y + link.height) - area.bottom + kLineStep);
    }
    InvalidateRect(window_, nullptr, FALSE);
}

const PageLink* PageView::LinkUnder(LPARAM point) const
{
    const float scale = WindowScale(window_);
    const float x = static_cast<float>(static_cast<short>(LOWORD(point))) / scale;
    const float y = static_cast<float>(static_cast<short>(HIWORD(point))) / scale;
    return LinkAt(layout_, x, y + static_cast<float>(top_));
}

void PageView::Print()
{
    PrintJob job;
    if (!job.Begin())
        return;
    PageMeasures measures;
    {
        Gdiplus::Graphics graphics(job.Dc());
        measures = job.Measure(graphics);
    }
    const float pageHeight = measures.pageHeight * kPixelsPerInch;
    measurer_.SetScale(1);
    const PageLayout paper = LayOutPage(page_, measures.pageWidth * kPixelsPerInch, pageHeight, measurer_);
    measurer_.SetScale(WindowScale(window_));
    const PageLayout inches = InInches(paper);
    std::vector<float> tops{0};
    for (float cut : PageBreaks(paper, pageHeight))
        tops.push_back(cut);
    for (size_t i = 0; i < tops.size(); ++i) {
        if (i > 0)
            job.NextPage();
        const float bottom = i + 1 < tops.size() ? tops[i + 1] : paper.height;
        Gdiplus::Graphics graphics(job.Dc());
        PrepareInches(graphics);
        GdiPlusCanvas canvas(graphics);
        DrawPage(inches, canvas, tops[i] / kPixelsPerInch, (bottom - tops[i]) / kPixelsPerInch, true);
    }
    job.Finish();
}

LRESULT PageView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        LayOut();
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_VSCROLL:
        Scrolled(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollBy(-static_cast<short>(HIWORD(wParam)) * kLineStep / WHEEL_DELTA);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN && !layout_.links.empty()) {
            FollowLink();
            return 0;
        }
        if (Key(wParam))
            return 0;
        break;
    case WM_GETDLGCODE: {
        // Arrows scroll the page; Enter follows the link when the page has
        // one; Escape, Tab and Enter on a page without a link stay with the
        // dialog.
        const MSG* pending = reinterpret_cast<const MSG*>(lParam);
        const bool enter = pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN;
        return DLGC_WANTARROWS | (enter && !layout_.links.empty() ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFOCUS:
        ShowFocusedLink();
        return 0;
    case WM_KILLFOCUS:
        InvalidateRect(window_, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(window_);
        return 0;
    case WM_LBUTTONUP:
        if (LinkUnder(lParam))
            FollowLink();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point{};
            GetCursorPos(&point);
            ScreenToClient(window_, &point);
            const bool overLink = LinkUnder(MAKELPARAM(point.x, point.y)) != nullptr;
            SetCursor(LoadCursor(nullptr, overLink ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
