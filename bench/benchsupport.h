#pragma once

#include "windowtestsupport.h"

#include <cstdio>
#include <fstream>
#include <sys/resource.h>

// Small helpers shared by the benchmark programs, which print "name=value" lines for the driver;
// the window's controls are found and its search placed as its tests do (windowtestsupport.h).
namespace benchsupport {

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

inline double residentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

inline void print(const char *name, double value)
{
    std::printf("%s=%.6f\n", name, value);
    std::fflush(stdout);
}

} // namespace benchsupport
