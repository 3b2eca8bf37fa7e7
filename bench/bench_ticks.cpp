#include "benchsupport.h"
#include "frmponderival.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>

// The real window driven by the real 10 ms timer from the click after the third solution until
// the fourth halts the search (985 ticks): the tick rate achieved and the CPU it costs.
int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return 1;
    }
    QApplication app(argc, argv);
    ponderival::configureApplication();
    frmPonderival window;
    window.show();
    benchsupport::placeBefore(window, 203);
    benchsupport::setLabel(window, "lblCase", QStringLiteral("288"));

    auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    int ticks = 0;
    QElapsedTimer wall;
    double cpuAtStart = 0;
    QObject::connect(timer, &QTimer::timeout, &window, [&] {
        ++ticks;
        if (timer->isActive()) {
            return;
        }
        const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        benchsupport::print("ticks", ticks);
        benchsupport::print("seconds", seconds);
        benchsupport::print("tick_rate_percent", ticks / seconds);
        benchsupport::print("cpu_percent",
                            100.0 * (benchsupport::cpuSeconds() - cpuAtStart) / seconds);
        QCoreApplication::quit();
    });
    // The click comes once the window is on screen and settled, as a user's would.
    QTimer::singleShot(200, &window, [&] {
        cpuAtStart = benchsupport::cpuSeconds();
        wall.start();
        benchsupport::control<QPushButton>(window, "cmdStop")->click();
    });
    return QApplication::exec();
}
