// The full recalculation after a kept change: the layout pass and both tables, on the example
// worksheet with every row of both vehicles filled.

#include <benchmark/benchmark.h>

#include "analysis/every_gear.h"
#include "analysis/weight_shares.h"
#include "engine/update_table.h"
#include "example_sheet.h"
#include "model/spec_rows.h"

namespace gyrant {
namespace {

void FullRecalculation(benchmark::State& state) {
    Worksheet sheet;
    LoadExample(sheet);
    sheet.document.TwoVehicles = 1;
    for (auto _ : state) {
        Recalculate(sheet);
        benchmark::DoNotOptimize(
            sheet.Table(kProposed).Text(kVehicleTotalRow, kColImprovement).data());
    }
}
BENCHMARK(FullRecalculation);

// Both vehicles in eight gears, each a full recalculation of a copy of the worksheet.
void EightGears(benchmark::State& state) {
    Worksheet sheet;
    LoadExample(sheet);
    const std::vector<double> ratios = {4.0, 3.0, 2.52, 1.9, 1.52, 1.2, 1.0, 0.7};
    for (auto _ : state) benchmark::DoNotOptimize(FiguresInEveryGear(sheet, ratios).data());
}
BENCHMARK(EightGears);

void WhereTheWeightGoes(benchmark::State& state) {
    Worksheet sheet;
    LoadExample(sheet);
    Recalculate(sheet);
    for (auto _ : state) benchmark::DoNotOptimize(ShareOfEachPart(sheet).parts.data());
}
BENCHMARK(WhereTheWeightGoes);

}  // namespace
}  // namespace gyrant
