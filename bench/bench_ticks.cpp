#include "benchsupport.h"
#include "frmponderival.h"
#include "frmponderivaldescription.h"
#include "startup.h"
#include "tickleg.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

// The real window driven by the real 10 ms timer over the tick leg (tickleg.h), from the click
// after the third solution until the fourth halts the search: the tick rate achieved and the CPU it
// costs. With the argument "bare", the same ticks update two plain labels in a bare window instead:
// the least any Qt window showing two changing numbers can cost here. With Google Benchmark's
// arguments (--benchmark_...), the worst step of the search (candidate 7071, 2,929 houses added)
// through the window's controls instead; bench_search measures the same step on a panel in memory.
namespace {

using tickleg::firstN;

struct Leg
{
    QTimer *timer = nullptr;
    std::function<void()> start;
};

Leg programLeg(frmPonderival &window)
{
    windowtest::placeBefore(window, firstN);
    window.model().run([](ponderival::Panel &panel) {
        panel.setText(ponderival::Field::lblCase, std::to_string(tickleg::streetsBefore.back()));
    });
    auto *stop = windowtest::control<QPushButton>(window, "cmdStop");
    return {windowtest::timer1(window), [stop] {
                stop->click();
            }};
}

Leg bareLeg(QWidget &window)
{
    auto *sum = new QLabel(QString::number(tickleg::sumUpTo(firstN)), &window);
    auto *house = new QLabel(QString::number(firstN + 1), &window);
    sum->setGeometry(ponderival::qt::toQRect(ponderival::form::findControl("lblTot")->place));
    house->setGeometry(ponderival::qt::toQRect(ponderival::form::findControl("lblCivico")->place));
    auto *timer = new QTimer(&window);
    timer->setInterval(10);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, &window, [=, n = firstN, ticks = 0]() mutable {
        ++n;
        sum->setText(QString::number(tickleg::sumUpTo(n)));
        house->setText(QString::number(n + 1));
        if (++ticks == tickleg::ticks) {
            timer->stop();
        }
    });
    return {timer, [timer] {
                timer->start();
            }};
}

frmPonderival *stepWindow = nullptr;

void worstStepWindow(benchmark::State &state)
{
    auto *step = windowtest::control<QPushButton>(*stepWindow, "cmdAvanti");
    for (auto _ : state) {
        windowtest::placeBefore(*stepWindow, 7069);
        step->click();
    }
}
BENCHMARK(worstStepWindow)->Unit(benchmark::kMicrosecond);

int runWorstStep(int argc, char *argv[])
{
    frmPonderival shown;
    shown.show();
    stepWindow = &shown;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int runTickLeg(bool bare)
{
    std::unique_ptr<QWidget> window =
        bare ? std::make_unique<QWidget>() : std::make_unique<frmPonderival>();
    window->resize(ponderival::form::pixels(ponderival::form::window.width),
                   ponderival::form::pixels(ponderival::form::window.height));
    const Leg leg = bare ? bareLeg(*window) : programLeg(static_cast<frmPonderival &>(*window));
    window->show();

    int ticks = 0;
    QElapsedTimer wall;
    double cpuAtStart = 0;
    // Connected after the window's own handler, so it sees whether that tick halted the search.
    QObject::connect(leg.timer, &QTimer::timeout, window.get(), [&] {
        if (++ticks < tickleg::ticks && leg.timer->isActive()) {
            return;
        }
        const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
        benchsupport::print("ticks", ticks);
        benchsupport::print("tick_rate_percent", ticks / seconds);
        benchsupport::print("cpu_percent",
                            100.0 * (benchsupport::cpuSeconds() - cpuAtStart) / seconds);
        QCoreApplication::quit();
    });
    // The click comes once the window is on screen and settled, as a user's would.
    QTimer::singleShot(500, window.get(), [&] {
        cpuAtStart = benchsupport::cpuSeconds();
        wall.start();
        leg.start();
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return 1;
    }
    QApplication app(argc, argv);
    ponderival::configureApplication();
    const QByteArrayView mode = argc > 1 ? QByteArrayView(argv[1]) : QByteArrayView();
    if (mode.startsWith("--benchmark")) {
        return runWorstStep(argc, argv);
    }
    return runTickLeg(mode == "bare");
}
