#pragma once
// The tool tips of one dialog. Tools are subclassed by the tip control, so it
// sees every mouse message of the controls before they do.
#include <windows.h>

#include <string>

class ToolTips {
public:
    explicit ToolTips(HWND dialog);
    ~ToolTips();
    void Add(int controlId, const std::string& text);
    void Activate(bool on);
    HWND Handle() const { return tip_; }

private:
    HWND dialog_;
    HWND tip_ = nullptr;
};
