// Stands in for icacls.exe in the setup tests' Wine prefix, where the real
// one changes nothing: it writes each command line it gets to a file.
#include <windows.h>

#include <cstdio>

int main()
{
    FILE* log = std::fopen("C:\\icacls-calls.txt", "a");
    if (!log)
        return 1;
    std::fprintf(log, "%ls\n", GetCommandLineW());
    std::fclose(log);
    return 0;
}
