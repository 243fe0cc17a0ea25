#pragma once
// Optional timing of the report's drawing, for benchmarks of the running
// program: with ORACLINE_TIMING naming a file, each timed step appends one
// line "name milliseconds" to it; without it nothing is measured or written.
#include <chrono>

class ReportTiming {
public:
    // Starts timing `name` (a literal, kept by pointer) when timing is on.
    explicit ReportTiming(const char* name);
    // Appends the elapsed time.
    ~ReportTiming();
    ReportTiming(const ReportTiming&) = delete;
    ReportTiming& operator=(const ReportTiming&) = delete;

private:
    const char* name_;
    std::chrono::steady_clock::time_point start_{};
    bool on_ = false;
};
