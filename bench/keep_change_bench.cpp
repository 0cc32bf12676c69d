// "Keep Change" on a fully filled worksheet, recorded as an undoable step, to both tables
// recomputed and repainted in the main window (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "files/program_places.h"
#include "files/spec_file.h"
#include "shell/main_window.h"

namespace gyrant {
namespace {

void KeepChangeAndRepaint(benchmark::State& state) {
    Worksheet sheet;
    sheet.ProgramFolder = GYRANT_DATA_DIR;
    SetupWorksheet(sheet);
    ReadSpecFile(sheet, std::string(GYRANT_DATA_DIR) + "/GyrantFiles/V8 Street Car.qrx");
    MainWindow window(sheet);
    window.show();
    QApplication::processEvents();
    window.Editor().TableClick(kBaseline, 20);
    bool wider = false;
    for (auto _ : state) {
        // Each kept change differs from the last, so each is an undoable step.
        wider = !wider;
        window.Editor().Strip().Field(kColOD).text = wider ? "4.5" : "4";
        emit window.StripWidget().keepChangeClicked();
        window.repaint();
    }
    state.counters["undo steps"] = static_cast<double>(window.History().Stack().count());
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
