/* Starts a program N times with an exact command line (the argument text is
 * passed on unquoted, as the Task Scheduler passes it), waits for each run to
 * end, and prints the median wall time in milliseconds.
 *   time-start.exe N PROGRAM [ARGUMENT TEXT] */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

static int Compare(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return x < y ? -1 : x > y;
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    int runs = atoi(argv[1]);
    if (runs < 1 || runs > 100)
        return 2;
    char line[2048];
    snprintf(line, sizeof line, "\"%s\"%s%s", argv[2], argc > 3 ? " " : "", argc > 3 ? argv[3] : "");
    double times[100];
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i) {
        STARTUPINFOA startup = {sizeof startup};
        PROCESS_INFORMATION process;
        char copy[2048];
        lstrcpynA(copy, line, sizeof copy);
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(argv[2], copy, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
            return 1;
        WaitForSingleObject(process.hProcess, INFINITE);
        QueryPerformanceCounter(&end);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        times[i] = (double)(end.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart;
    }
    qsort(times, (size_t)runs, sizeof times[0], Compare);
    double median = runs % 2 ? times[runs / 2] : (times[runs / 2 - 1] + times[runs / 2]) / 2;
    printf("%.1f\n", median);
    return 0;
}
