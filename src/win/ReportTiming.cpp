#include "win/ReportTiming.h"

#include <cstdio>
#include <cstdlib>

ReportTiming::ReportTiming(const char* name) : name_(name)
{
    const char* path = std::getenv("ORACLINE_TIMING");
    on_ = path != nullptr && *path != '\0';
    if (on_)
        QueryPerformanceCounter(&start_);
}

ReportTiming::~ReportTiming()
{
    if (!on_)
        return;
    LARGE_INTEGER end;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    const double ms = 1000.0 * static_cast<double>(end.QuadPart - start_.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    if (std::FILE* log = std::fopen(std::getenv("ORACLINE_TIMING"), "a")) {
        std::fprintf(log, "%s %.3f\n", name_, ms);
        std::fclose(log);
    }
}
