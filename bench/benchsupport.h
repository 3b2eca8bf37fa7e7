#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>

// Small helpers shared by the benchmark programs, which print "name=value" lines for the driver.
namespace benchsupport {

template <typename Control = QWidget> Control *control(const QWidget &window, const char *name)
{
    return window.findChild<Control *>(QString::fromLatin1(name));
}

inline void setLabel(const QWidget &window, const char *name, const QString &text)
{
    control<QLabel>(window, name)->setText(text);
}

// The panel as the step before candidate n + 1 leaves it.
inline void placeBefore(const QWidget &window, long long n)
{
    setLabel(window, "lblN", QString::number(n));
    setLabel(window, "lblTot", QString::number(n * (n + 1) / 2));
    setLabel(window, "lblCivico", QString::number(n + 1));
}

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
