#pragma once
// The dialog (resource 133) that hosts the web browser and shows one page file:
// modal for explanation pages, modeless for the Quick Tip strip and the sign
// panel.
#include "win/Dialog.h"

#include <memory>
#include <string>

class PageHost;

// Posted to the owner when the user closes a panel with notifyOnClose.
constexpr UINT kPageClosingMessage = WM_USER + 4;

class PageWindow : public Dialog {
public:
    PageWindow();
    ~PageWindow() override;

    void SetTitle(const std::string& title) { title_ = title; }
    void SetUrl(const std::string& url) { url_ = url; }
    void SetSize(int width, int height) { width_ = width; height_ = height; }
    void SetPosition(int x, int y) { x_ = x; y_ = y; }
    void SetMustStayOpen(bool on) { mustStayOpen_ = on; }
    void SetNotifyOnClose(bool on) { notifyOnClose_ = on; }
    // Loads another file into the open window.
    void Navigate(const std::string& url);

protected:
    void OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;

private:
    bool TakeKey(MSG& message);

    std::string title_;
    std::string url_;
    int width_ = 300;
    int height_ = 200;
    int x_;
    int y_;
    bool mustStayOpen_ = false;
    bool notifyOnClose_ = false;
    std::unique_ptr<PageHost> pageHost_;
};

// Shows a catalogue page modally, centred on the screen, and returns when the
// user has closed it.
void ShowPageModal(HWND owner, const std::string& redirectPath, const std::string& title,
                   int width, int height);
