// SPDX-License-Identifier: MIT
#pragma once

// Wall time and the CPU time of this thread, side by side: on a shared machine the wall time
// also holds the waits for a core, which the CPU time leaves out.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

struct Stopwatch
{
    using Clock = std::chrono::steady_clock;

    Clock::time_point wall = Clock::now();
    double cpuStartMs = threadCpuMs();

    static double threadCpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }
    double wallMs() const
    {
        return std::chrono::duration<double, std::milli>(Clock::now() - wall).count();
    }
    double cpuMs() const { return threadCpuMs() - cpuStartMs; }
};

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The value below which `share` of the values lie (0.5: the median, 0.9: the 90th percentile).
inline double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::size_t(share * double(values.size() - 1))];
}

inline double worst(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}
