#include "memorypanel.h"
#include "runcontrol.h"
#include "searchfixtures.h"
#include "searchstep.h"

#include <benchmark/benchmark.h>
#include <string>

using namespace ponderival;

namespace {

// The step for candidate 7071 adds 2,929 houses, more than any other step of the search.
void worstStepCore(benchmark::State &state)
{
    MemoryPanel panel;
    for (auto _ : state) {
        searchfixtures::placeBefore(panel, 7069);
        cmdAvanti_Click(panel);
        benchmark::DoNotOptimize(panel.text(Field::lblTot2));
    }
    state.counters["houses"] = 2929;
}
BENCHMARK(worstStepCore)->Unit(benchmark::kMicrosecond);

// From the opening state to the halt at the fifth solution, 6,928 steps.
void searchToFifthSolution(benchmark::State &state)
{
    for (auto _ : state) {
        MemoryPanel panel;
        int solutions = 0;
        while (solutions < 5) {
            panel.setTimerEnabled(true);
            Timer1_Timer(panel);
            solutions += panel.timerEnabled() ? 0 : 1;
        }
        benchmark::DoNotOptimize(panel.text(Field::lblCase));
    }
}
BENCHMARK(searchToFifthSolution)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
