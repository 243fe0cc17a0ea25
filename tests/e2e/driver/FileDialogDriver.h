#pragma once
// The common file-open and Save As dialogs of another process.
#include <windows.h>

#include <string>

namespace e2e {

class FileDialogDriver {
public:
    // Waits for the process's file dialog with this caption.
    FileDialogDriver(DWORD processId, const std::string& caption);

    explicit operator bool() const { return dialog_ != nullptr; }
    HWND Handle() const { return dialog_; }
    // Puts a name or full path into the file-name field.
    bool TypeFileName(const std::string& name) const;
    std::string FileName() const;
    // Presses Open (or Save) and waits until the dialog is gone; false when it
    // stays, for example because it refused the name.
    bool Accept() const;
    bool Cancel() const;

private:
    HWND FileNameField() const;

    HWND dialog_ = nullptr;
};

} // namespace e2e
