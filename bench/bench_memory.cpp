#include "benchsupport.h"
#include "frmponderival.h"
#include "startup.h"

#include <QApplication>

// Resident memory before and after the whole search through the real window: 65,534 steps by the
// unseen cmdAvanti, then the 65,535th, which overflows and is reported.
int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return 1;
    }
    QApplication app(argc, argv);
    ponderival::configureApplication();
    frmPonderival window;
    bool overflowed = false;
    window.setErrorReporter([&](const ponderival::RuntimeError &) { overflowed = true; });
    window.show();
    QCoreApplication::processEvents();
    auto *step = windowtest::control<QPushButton>(window, "cmdAvanti");
    const double before = benchsupport::residentMiB();
    int steps = 0;
    while (!overflowed) {
        step->click();
        ++steps;
        if (steps % 1000 == 0) {
            QCoreApplication::processEvents();
        }
    }
    QCoreApplication::processEvents();
    benchsupport::print("steps", steps);
    benchsupport::print("rss_before_mib", before);
    benchsupport::print("rss_after_mib", benchsupport::residentMiB());
    return 0;
}
