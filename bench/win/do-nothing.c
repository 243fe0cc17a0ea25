/* A floor of bench/window-times.sh: a Win32 program that starts and
 * ends. Built with WITH_USER32 it also imports user32.dll (without calling
 * it), which under Wine starts the display driver: the floor of any program
 * with a window or GDI drawing. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance; (void)previous; (void)show;
#ifdef WITH_USER32
    if (commandLine == NULL)
        MessageBeep(0);
#else
    (void)commandLine;
#endif
    return 0;
}
