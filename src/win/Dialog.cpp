#include "win/Dialog.h"

#include "win/Accessibility.h"
#include "win/Controls.h"
#include "win/DialogFont.h"
#include "win/DisplayScale.h"
#include "win/ListView.h"
#include "win/Theme.h"
#include "win/ToolTips.h"

#include <commctrl.h>

Dialog::Dialog(int resourceId) : resourceId_(resourceId)
{
    OnWindowMessage(WM_CTLCOLORDLG, [](WPARAM, LPARAM) { return reinterpret_cast<INT_PTR>(Theme::BackgroundBrush()); });
    OnWindowMessage(WM_CTLCOLORSTATIC, [this](WPARAM wParam, LPARAM lParam) {
        return reinterpret_cast<INT_PTR>(ColourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    });
}

Dialog::~Dialog()
{
    DropMessageFilters();
    delete tips_;
    if (window_ && !modal_ && IsWindow(window_)) {
        SetWindowLongPtrA(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

INT_PTR Dialog::RunModal(HWND owner)
{
    modal_ = true;
    return RunScalableDialog(resourceId_, owner, DialogProcedure, reinterpret_cast<LPARAM>(this));
}

std::string Dialog::Caption() const
{
    return Controls::WindowText(window_);
}

void Dialog::SetCaption(const std::string& text)
{
    SetWindowTextA(window_, text.c_str());
}

std::string Dialog::ItemText(int controlId) const
{
    return Controls::Text(window_, controlId);
}

void Dialog::SetItemText(int controlId, const std::string& text)
{
    Controls::SetText(window_, controlId, text);
}

void Dialog::EnableItem(int controlId, bool on)
{
    Controls::Enable(window_, controlId, on);
}

bool Dialog::IsItemChecked(int controlId) const
{
    return Controls::IsChecked(window_, controlId);
}

void Dialog::CheckItem(int controlId, bool on)
{
    Controls::SetChecked(window_, controlId, on);
}

void Dialog::FocusItem(int controlId)
{
    Controls::Focus(window_, controlId);
}

void Dialog::LimitItemText(int controlId, int characters)
{
    Controls::LimitText(window_, controlId, characters);
}

HWND Dialog::CreateModeless(HWND parent)
{
    modal_ = false;
    return CreateScalableDialog(resourceId_, parent, DialogProcedure, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::ShowModeless(std::unique_ptr<Dialog> dialog, HWND parent)
{
    if (!dialog)
        return nullptr;
    HWND window = dialog->CreateModeless(parent);
    if (!window)
        return nullptr;
    // From here the window's end deletes the object (WM_NCDESTROY).
    dialog->ownsItself_ = true;
    dialog.release();
    return window;
}

void Dialog::OnCommand(int controlId, int notification, CommandHandler handler)
{
    commands_[{controlId, notification}] = std::move(handler);
}

void Dialog::OnNotify(int controlId, int code, NotifyHandler handler)
{
    notifications_[{controlId, code}] = std::move(handler);
}

void Dialog::OnWindowMessage(UINT message, MessageHandler handler)
{
    messages_[message] = std::move(handler);
}

void Dialog::End(INT_PTR result)
{
    if (!window_)
        return;
    DropMessageFilters();
    if (modal_)
        EndDialog(window_, result);
    else
        DestroyWindow(window_);
}

void Dialog::SetLabelColour(int controlId, COLORREF colour)
{
    labelColours_[controlId] = colour;
    if (HWND control = Item(controlId))
        InvalidateRect(control, nullptr, TRUE);
}

void Dialog::UseBoldFont(std::initializer_list<int> controlIds)
{
    for (int id : controlIds)
        if (HWND control = Item(id))
            SendMessageA(control, WM_SETFONT,
                         reinterpret_cast<WPARAM>(Theme::BoldArial(ScreenPixels(window_, Theme::kBoldArialHeight))),
                         TRUE);
}

void Dialog::AddMessageFilter(MessageFilterRegistration::Filter filter)
{
    messageFilters_.push_back(std::make_unique<MessageFilterRegistration>(std::move(filter)));
}

void Dialog::CatchKey(WPARAM key, std::function<void()> action)
{
    messageFilters_.push_back(CatchKeyDown(window_, key, std::move(action)));
}

void Dialog::DropMessageFilters()
{
    messageFilters_.clear();
}

ToolTips& Dialog::Tips()
{
    if (!tips_)
        tips_ = new ToolTips(window_);
    return *tips_;
}

INT_PTR CALLBACK Dialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->window_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE;
    // An exception must not unwind through the system's code; the message
    // counts as handled and the dialog stays as it was.
    INT_PTR result = TRUE;
    ++self->dispatchDepth_;
    // Only the program's own handlers enable and disable controls.
    const bool handled = message == WM_COMMAND || message == WM_NOTIFY || message >= WM_USER;
    HWND focusBefore = handled ? GetFocus() : nullptr;
    try {
        result = self->Dispatch(message, wParam, lParam);
        if (focusBefore && self->window_)
            self->MoveFocusOffDisabled(focusBefore);
    } catch (...) {
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
    }
    --self->dispatchDepth_;
    // A dialog that owns itself goes with its window, but only once no
    // handler of it is still running further up the stack.
    if (self->ownsItself_ && !self->window_ && self->dispatchDepth_ == 0)
        delete self;
    return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        ScaleDialogArt(window_);
        OnInitDialog();
        NameDialogControls(window_);
        return TRUE;
    case WM_DPICHANGED:
        FollowDpiChange(window_, lParam);
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // High contrast switched on or off, or another colour scheme: the
        // lists and everything painted take the colours anew.
        if (message == WM_SYSCOLORCHANGE || wParam == SPI_SETHIGHCONTRAST) {
            Theme::ForgetHighContrast();
            RefreshThemeColours(window_);
        }
        break;
    case WM_DESTROY:
        ReleaseDialogArt(window_);
        DropMessageFilters();
        break;
    case WM_COMMAND:
        return DispatchCommand(wParam);
    case WM_NOTIFY:
        return DispatchNotify(reinterpret_cast<NMHDR*>(lParam));
    default:
        break;
    }
    auto handler = messages_.find(message);
    if (handler == messages_.end())
        return FALSE;
    // Copied: the handler may replace its own table entry.
    const std::optional<INT_PTR> result = MessageHandler(handler->second)(wParam, lParam);
    if (!result || message == WM_DESTROY || message == WM_NCDESTROY)
        return FALSE;
    // These few are answered by the procedure's own return value.
    const bool direct = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
                        message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
                        message == WM_QUERYDRAGICON;
    if (direct)
        return *result;
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, *result);
    return TRUE;
}

bool Dialog::DispatchCommand(WPARAM wParam)
{
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    auto handler = commands_.find({id, code});
    if (handler != commands_.end()) {
        // Copied: the handler may replace its own table entry.
        CommandHandler run = handler->second;
        run();
        return true;
    }
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return true;
    }
    if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::DispatchNotify(NMHDR* header)
{
    if (!header)
        return false;
    auto handler = notifications_.find({static_cast<int>(header->idFrom), static_cast<int>(header->code)});
    if (handler == notifications_.end())
        return false;
    NotifyHandler run = handler->second;
    run(header);
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, 0);
    return true;
}

// A button that disables itself while it holds the focus (Prev Day) would
// leave the window with no focus at all, and every key with nowhere to go:
// the focus moves on to the next control that takes it, as Tab would.
void Dialog::MoveFocusOffDisabled(HWND focusBefore)
{
    HWND control = focusBefore;
    while (control && GetParent(control) != window_)
        control = GetParent(control);
    if (!control || IsWindowEnabled(control) || !IsWindowEnabled(window_) || !IsWindowVisible(window_))
        return;
    HWND focus = GetFocus();
    if (focus && focus != focusBefore)
        return;
    HWND next = GetNextDlgTabItem(window_, control, FALSE);
    if (next && next != control && IsWindowEnabled(next))
        SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

HBRUSH Dialog::ColourLabel(HDC dc, HWND control)
{
    auto colour = labelColours_.find(GetDlgCtrlID(control));
    SetTextColor(dc, Theme::LabelText(colour != labelColours_.end() ? colour->second : Theme::Text()));
    SetBkColor(dc, Theme::Background());
    return Theme::BackgroundBrush();
}
