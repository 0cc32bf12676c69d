// The time slip of both vehicles, and the seconds each changed part buys, on the example
// worksheet at 350 hp @ 5500 and 380 lb-ft @ 4000 with the defaults of its kind, through the
// every-gear tab's ratios. The window recomputes both as the user types.

#include <benchmark/benchmark.h>

#include "analysis/every_gear.h"
#include "engine/update_table.h"
#include "example_sheet.h"
#include "timeslip/parts_time_bought.h"
#include "timeslip/time_slip.h"

namespace gyrant {
namespace {

struct ExampleRun {
    ExampleRun() {
        LoadExample(sheet);
        Recalculate(sheet);
        inputs = DefaultRunInputs(KindOf(sheet, kBaseline));
        inputs.engine.peaks = {350, 5500, 380, 4000};
    }
    Worksheet sheet;
    RunInputs inputs;
    std::vector<double> ratios = {2.52, 1.52, 1.0};  // a three-speed automatic of the gear list
};

void BothVehiclesTimeSlips(benchmark::State& state) {
    ExampleRun run;
    for (auto _ : state)
        benchmark::DoNotOptimize(RunTimeSlips(run.sheet, run.inputs, run.ratios).slips.data());
}
BENCHMARK(BothVehiclesTimeSlips)->Unit(benchmark::kMillisecond);

void EveryPartsTimeBought(benchmark::State& state) {
    ExampleRun run;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TimeBoughtByEachPart(run.sheet, run.inputs, run.ratios).parts.data());
}
BENCHMARK(EveryPartsTimeBought)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gyrant
