#include "controlpanel.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "runcontrol.h"
#include "startup.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

// The window as Qt alone would serve a screen reader: the same controls, panel and timer, but
// Qt's own accessible interfaces, and an event from every label at every change of its text. The
// screen-reader rows of the benchmark table set the program beside it.
int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return EXIT_FAILURE;
    }
    int qtArgumentCount = argc > 0 ? 1 : 0;
    QApplication app(qtArgumentCount, argv);
    ponderival::configureApplication();
    QWidget window(nullptr, Qt::FramelessWindowHint);
    const ponderival::qt::FormControls controls(window);
    QTimer timer1;
    timer1.setInterval(ponderival::form::timer1.intervalMilliseconds);
    timer1.setTimerType(Qt::PreciseTimer);
    ponderival::qt::ControlPanel panel(controls, timer1,
                                       [](const auto &) { QApplication::exit(1); });
    QObject::connect(&timer1, &QTimer::timeout,
                     [&] { panel.handleEvent(ponderival::Timer1_Timer); });
    QObject::connect(&controls.button(ponderival::form::indexOf("cmdStop")), &QPushButton::clicked,
                     [&] { panel.handleEvent(ponderival::cmdStop_Click); });
    window.show();
    return QApplication::exec();
}
