#pragma once
// The profile editor ("Profile") of a running Oracline, driven through its
// control ids from another process.
#include "driver/ComboDriver.h"
#include "driver/Driver.h"

#include <string>

namespace e2e {

extern const char* const kEditorCaption;

class EditorDriver {
public:
    explicit EditorDriver(HWND dialog) : dialog_(dialog) {}
    // Presses a main-window button (Add or Edit Profile) and waits for the
    // editor; Window() is null when it never came.
    static EditorDriver Open(DWORD processId, HWND mainWindow, int buttonId);

    HWND Window() const { return dialog_; }
    // Types into an edit. WM_SETTEXT passes the edit's length limit, so a
    // test can offer texts the keyboard could not.
    void SetText(int controlId, const std::string& text) const;
    std::string Text(int controlId) const { return ControlText(dialog_, controlId); }
    bool Enabled(int controlId) const { return ControlEnabled(dialog_, controlId); }
    void ClickCheckBox(int controlId) const;
    bool Checked(int controlId) const;

    ComboDriver List(int controlId) const { return ComboDriver(dialog_, controlId); }
    // Entry texts are read in UTF-16: Wine hands an ANSI CB_GETLBTEXT from
    // another process the wide text, cut to the ANSI length.
    std::string ItemText(int listId, int index) const;
    std::string SelectedText(int listId) const { return ItemText(listId, List(listId).Selection()); }
    // Chooses the entry with this text as the user would; false when the
    // list does not offer it.
    bool Choose(int listId, const std::string& text) const;

    // A date's three lists by the id of its month list (day and year follow).
    // Chooses month, year and day by their texts, in that order; false when
    // a list does not offer the value.
    bool ChooseDate(int monthListId, int month, int day, int year) const;
    // "month/day/year" as the lists show it, "-" for a list without a
    // selection, "" for all three empty.
    std::string ShownDate(int monthListId) const;

    // Presses Save; the box it brings, or none when it brought none in time.
    MessageBoxSeen Save(DWORD processId, DWORD timeoutMs = 3000) const;
    void Close() const { CloseDialog(dialog_); }
    bool WaitGone() const { return WaitUntilGone(dialog_); }

private:
    HWND dialog_;
};

} // namespace e2e
