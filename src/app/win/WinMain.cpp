#include "app/win/OraclineApp.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    OraclineApp app;
    app.InitInstance(commandLine ? commandLine : "");
    app.ExitInstance();
    return 0;
}
