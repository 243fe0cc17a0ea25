#pragma once
// The web-browser control as a page area. Its OLE container (client site,
// in-place site and frame, UI handler and the sink of its events) stays in
// BrowserSite.cpp; nothing else sees COM.
#include "pages/win/PageArea.h"

#include <memory>

// Posted to the host window when the control failed to load a page file of
// ours that exists: it has no engine to show pages (as on Wine without one).
constexpr UINT kBrowserCannotShowPages = WM_APP + 13;

// Creates the control inside `host`, connects its events before anything can
// navigate and activates it in place; null when any step fails.
std::unique_ptr<PageArea> EmbedWebBrowser(HWND host, PageArea::BeforeNavigate beforeNavigate);
