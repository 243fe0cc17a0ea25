#pragma once
#include <string>

// The one application object: start-up checks, the choice of mode, shutdown.
class OraclineApp {
public:
    // The start-up sequence and the mode it chooses; the process ends when
    // it returns. What it takes on (OLE, GDI+, the one-instance claim) is
    // released on the way out, however the start ended.
    void InitInstance(const std::string& commandLine);

    static bool RunControlPanel(const std::string& argument);
    static bool DisplayIsSufficient();
    static void SetBrowserFontSize();

private:
    static std::string CurrentOperatingSystemName();
    static void BringRunningInstanceToFront();
};
