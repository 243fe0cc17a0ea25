#include "app/win/RunOracline.h"

#include <windows.h>

namespace {

// By name, a library is looked up beside the program, in the current folder
// and along the PATH, any of which another program or account may be able
// to write to; one planted there would run inside whoever starts the
// program, the scheduled job's account included. From here on, libraries
// loaded by name (by the program, its delay-loaded imports or Windows
// components on its behalf) come from System32 alone. Looked up at run time:
// a system without the call still starts, with its old search order.
void LoadLibrariesFromSystem32Only()
{
    using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const FARPROC found = kernel ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
    if (found)
        reinterpret_cast<SetDefaultDllDirectoriesCall>(reinterpret_cast<void*>(found))(
            LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    LoadLibrariesFromSystem32Only();
    // The whole command line, not the C runtime's arguments: a scheduler
    // that starts the program with its parameters alone (Wine's) would have
    // the record path taken for the program's name.
    const char* commandLine = GetCommandLineA();
    RunOracline(commandLine ? commandLine : "");
    return 0;
}
