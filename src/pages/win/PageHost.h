#pragma once
// The page host: a child window in place of a dialog's placeholder control
// that shows the program's pages. It owns what shows them (the web-browser
// control, or the built-in page view where the control cannot show pages)
// and takes it apart when its window is destroyed, with the dialog or on its
// own: the dialogs that host one never tear it down.
//
// Navigation is limited to the print link and the pages of the page folder.
// The page shown, and the page a redirect leads to, stay held there until the
// host shows another page or goes.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class PageArea;
class PageFolder;

class PageHost {
public:
    // Replaces the placeholder control `controlId` of `dialog` with the host
    // window, of the same id and rectangle, showing pages of `pages`.
    PageHost(HWND dialog, int controlId, PageFolder& pages);
    ~PageHost();
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    // Loads a file given by its full path; false when it was refused or
    // cannot be shown. An empty path is a page that could not be written.
    bool Navigate(const std::string& fullPath);
    // Places the host window (and the page area with it) in dialog
    // coordinates.
    void MoveTo(int x, int y, int width, int height);
    void Focus();

    // The host window's procedure.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    // The filter of both page areas: allowed pages are held.
    bool Allow(const std::string& url);
    void Hold(const std::string& path);
    void UseBuiltInView();
    void TearDown();
    void ReleaseHolds();

    PageFolder& pages_;
    HWND host_ = nullptr;
    std::unique_ptr<PageArea> area_;
    bool builtIn_ = false;
    std::string shownPath_;  // the page last asked for, shown again after a switch
    std::vector<std::pair<std::string, unsigned>> held_;  // paths and their writings
};
