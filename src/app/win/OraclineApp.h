#pragma once
#include <string>

// The one application object: start-up checks, the choice of mode, shutdown.
class OraclineApp {
public:
    // Always false: the process ends when it returns, whichever way it went.
    bool InitInstance(const std::string& commandLine);
    void ExitInstance();

    static bool RunControlPanel(const std::string& argument);
    static bool DisplayIsSufficient();
    static void SetBrowserFontSize();

private:
    static std::string CurrentOperatingSystemName();
    bool ClaimInteractiveInstance();
    static void BringRunningInstanceToFront();

    unsigned long long gdiplusToken = 0;
    bool gdiplusStarted = false;
    bool oleInitialized = false;
    void* interactiveMutex = nullptr;  // held while this is the interactive Oracline
};
