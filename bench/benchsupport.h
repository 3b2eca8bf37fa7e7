#pragma once

#include "frmponderival.h"
#include "searchfixtures.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/resource.h>

// Small helpers shared by the benchmark programs, which print "name=value" lines for the driver.
namespace benchsupport {

template <typename Control = QWidget> Control *control(const QWidget &window, const char *name)
{
    return window.findChild<Control *>(QString::fromLatin1(name));
}

// The search as the step before candidate n + 1 leaves it, with the last street shown, set
// through the window's model.
inline void placeBefore(ponderival::qt::frmPonderival &window, long long n,
                        std::string_view street = {})
{
    window.model().run([n, street](ponderival::Panel &panel) {
        panel.setText(ponderival::Field::lblN, std::to_string(n));
        panel.setText(ponderival::Field::lblTot, std::to_string(n * (n + 1) / 2));
        panel.setText(ponderival::Field::lblCivico, std::to_string(n + 1));
        panel.setText(ponderival::Field::lblCase, street);
    });
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
