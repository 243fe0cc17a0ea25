#pragma once
// The base of every dialog: stores `this` at WM_INITDIALOG, routes WM_COMMAND,
// WM_NOTIFY and any other message through tables of handlers, paints
// read-only labels through the control-colour hook on the grey background,
// moves the focus on when a handler disables the control that holds it (so
// the keys keep working), and never lets an exception leave the window
// procedure.
#include "win/MessageFilters.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    // Creates a modeless dialog that owns itself: the object is deleted once
    // its window is gone, however it went. Owners keep the window handle and
    // reach the object through FromHandle. Null (and the dialog deleted)
    // when the window could not be created.
    static HWND ShowModeless(std::unique_ptr<Dialog> dialog, HWND parent);
    // The dialog object of a window of ours, or null when the window is gone
    // or is no dialog of type T.
    template <typename T>
    static T* FromHandle(HWND window)
    {
        if (!window || !IsWindow(window))
            return nullptr;
        return dynamic_cast<T*>(reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER)));
    }

    HWND Handle() const { return window_; }
    HWND Item(int controlId) const { return GetDlgItem(window_, controlId); }

    // The dialog's own caption and controls, by id.
    std::string Caption() const;
    void SetCaption(const std::string& text);
    std::string ItemText(int controlId) const;
    void SetItemText(int controlId, const std::string& text);
    void EnableItem(int controlId, bool on);
    bool IsItemChecked(int controlId) const;
    void CheckItem(int controlId, bool on);
    // Moves the focus the way the dialog manager does (WM_NEXTDLGCTL).
    void FocusItem(int controlId);
    void LimitItemText(int controlId, int characters);

protected:
    using CommandHandler = std::function<void()>;
    using NotifyHandler = std::function<void(NMHDR*)>;
    // Returns the message's result: DWLP_MSGRESULT, or the value itself for
    // the messages a dialog procedure answers directly (WM_CTLCOLOR…); no
    // value declines the message, which then gets the default handling.
    using MessageHandler = std::function<std::optional<INT_PTR>(WPARAM, LPARAM)>;

    // Handler table entries, usually registered in the constructor.
    void OnCommand(int controlId, int notification, CommandHandler handler);
    void OnClicked(int controlId, CommandHandler handler) { OnCommand(controlId, BN_CLICKED, std::move(handler)); }
    void OnNotify(int controlId, int code, NotifyHandler handler);
    // Any other message, replacing the base's own handler (the grey
    // background and label colours answer WM_CTLCOLORDLG/STATIC). WM_DESTROY
    // and WM_NCDESTROY still go on to the default handling after the handler.
    void OnWindowMessage(UINT message, MessageHandler handler);

    virtual void OnInitDialog() {}
    // IDOK (Enter) and IDCANCEL (Escape, close box) unless the table has them.
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }

    // Ends a modal dialog or destroys a modeless one; the message filters
    // go at once, so no key is caught for a window on its way out.
    void End(INT_PTR result);
    // A message filter (see MessageFilters.h) kept until the window ends.
    void AddMessageFilter(MessageFilterRegistration::Filter filter);
    // Runs `action` when `key` goes down in this window (CatchKeyDown),
    // until the window ends.
    void CatchKey(WPARAM key, std::function<void()> action);
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
    void MoveFocusOffDisabled(HWND focusBefore);
    void DropMessageFilters();

    int resourceId_;
    bool modal_ = false;
    bool ownsItself_ = false;
    int dispatchDepth_ = 0;
    HWND window_ = nullptr;
    std::map<std::pair<int, int>, CommandHandler> commands_;
    std::map<std::pair<int, int>, NotifyHandler> notifications_;
    std::map<UINT, MessageHandler> messages_;
    std::map<int, COLORREF> labelColours_;
    std::vector<std::unique_ptr<MessageFilterRegistration>> messageFilters_;
    ToolTips* tips_ = nullptr;
};
