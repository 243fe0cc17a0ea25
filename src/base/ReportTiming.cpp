#include "base/ReportTiming.h"

#include <cstdio>
#include <cstdlib>

ReportTiming::ReportTiming(const char* name) : name_(name)
{
    const char* path = std::getenv("ORACLINE_TIMING");
    on_ = path != nullptr && *path != '\0';
    if (on_)
        start_ = std::chrono::steady_clock::now();
}

ReportTiming::~ReportTiming()
{
    if (!on_)
        return;
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start_;
    if (std::FILE* log = std::fopen(std::getenv("ORACLINE_TIMING"), "a")) {
        std::fprintf(log, "%s %.3f\n", name_, elapsed.count());
        std::fclose(log);
    }
}
