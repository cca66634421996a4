// Elapsed time from the high-resolution performance counter.
#pragma once

#include <windows.h>

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double ElapsedMs() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};
