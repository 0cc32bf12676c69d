// The full recalculation after a kept change: the layout pass and both tables, on the example
// worksheet with every row of both vehicles filled.

#include <benchmark/benchmark.h>

#include "engine/update_table.h"
#include "files/program_places.h"
#include "files/spec_file.h"

namespace gyrant {
namespace {

void LoadExample(Worksheet& sheet) {
    sheet.ProgramFolder = GYRANT_DATA_DIR;
    SetupWorksheet(sheet);
    ReadSpecFile(sheet, std::string(GYRANT_DATA_DIR) + "/GyrantFiles/V8 Street Car.qrx");
}

void FullRecalculation(benchmark::State& state) {
    Worksheet sheet;
    LoadExample(sheet);
    sheet.TwoVehicles = 1;
    for (auto _ : state) {
        Recalculate(sheet);
        benchmark::DoNotOptimize(sheet.Table(kProposed).Text(31, kColImprovement).data());
    }
}
BENCHMARK(FullRecalculation);

}  // namespace
}  // namespace gyrant
