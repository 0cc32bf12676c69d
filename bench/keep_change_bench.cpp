// "Keep Change" on a fully filled worksheet to both tables recomputed and repainted in the
// main window (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "files/spec_file.h"
#include "model/setup_tables.h"
#include "shell/main_window.h"

namespace gyrant {
namespace {

void KeepChangeAndRepaint(benchmark::State& state) {
    Worksheet sheet;
    sheet.ProgramFolder = GYRANT_DATA_DIR;
    SetupTables(sheet);
    sheet.SpecFilePath = std::string(GYRANT_DATA_DIR) + "/GyrantFiles/V8 Street Car.qrx";
    ReadWriteSpecFile(sheet, true);
    MainWindow window(sheet);
    window.show();
    QApplication::processEvents();
    window.Editor().TableClick(kBaseline, 20);
    for (auto _ : state) {
        window.Editor().KeepChange();
        window.ShowWorksheet();
        window.repaint();
    }
}
BENCHMARK(KeepChangeAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gyrant

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
