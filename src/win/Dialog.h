#pragma once
// The base of every dialog: stores `this` at WM_INITDIALOG, routes WM_COMMAND
// and WM_NOTIFY through a table keyed by control id and notification code,
// paints read-only labels through the control-colour hook on the grey
// background, and never lets an exception leave the window procedure.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>

class ToolTips;

class Dialog {
public:
    explicit Dialog(int resourceId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the code given to EndDialog (or -1).
    INT_PTR RunModal(HWND owner = nullptr);
    // Creates the dialog modelessly; it lives until DestroyWindow.
    HWND CreateModeless(HWND parent);

    HWND Handle() const { return window_; }
    HWND Item(int controlId) const { return GetDlgItem(window_, controlId); }

protected:
    using CommandHandler = std::function<void()>;
    using NotifyHandler = std::function<void(NMHDR*)>;

    // Handler table entries, usually registered in the constructor.
    void OnCommand(int controlId, int notification, CommandHandler handler);
    void OnClicked(int controlId, CommandHandler handler) { OnCommand(controlId, BN_CLICKED, std::move(handler)); }
    void OnNotify(int controlId, int code, NotifyHandler handler);

    virtual void OnInitDialog() {}
    // IDOK (Enter) and IDCANCEL (Escape, close box) unless the table has them.
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Any other message; return true when handled, with the result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    // Called once the window is gone (for modeless dialogs that own themselves).
    virtual void OnDestroyed() {}

    void End(INT_PTR result);
    // Text colour of a read-only edit or static used as a label.
    void SetLabelColour(int controlId, COLORREF colour);
    // The bold Arial font on the given controls.
    void UseBoldFont(std::initializer_list<int> controlIds);
    ToolTips& Tips();

private:
    static INT_PTR CALLBACK DialogProcedure(HWND, UINT, WPARAM, LPARAM);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool DispatchCommand(WPARAM wParam);
    bool DispatchNotify(NMHDR* header);
    HBRUSH ColourLabel(HDC dc, HWND control);

    int resourceId_;
    bool modal_ = false;
    HWND window_ = nullptr;
    std::map<std::pair<int, int>, CommandHandler> commands_;
    std::map<std::pair<int, int>, NotifyHandler> notifications_;
    std::map<int, COLORREF> labelColours_;
    ToolTips* tips_ = nullptr;
};
