#include "benchsupport.h"
#include "frmponderival.h"
#include "startup.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The worst step of the search (candidate 7071, 2,929 houses added) through the real window's
// controls; bench_search measures the same step on a panel in memory.
namespace {

frmPonderival *window = nullptr;

void worstStepWindow(benchmark::State &state)
{
    auto *step = windowtest::control<QPushButton>(*window, "cmdAvanti");
    for (auto _ : state) {
        windowtest::placeBefore(*window, 7069);
        step->click();
    }
}
BENCHMARK(worstStepWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return 1;
    }
    QApplication app(argc, argv);
    ponderival::configureApplication();
    frmPonderival shown;
    shown.show();
    window = &shown;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
