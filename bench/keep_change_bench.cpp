// "Keep Change" on a fully filled worksheet, recorded as an undoable step, to both tables
// recomputed and repainted in the main window, alone and with Where the Weight Goes open; and
// that window opened and painted (offscreen).

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>

#include "analysis/weight_window.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "shell/main_window.h"

namespace gyrant {
namespace {

// The example worksheet in the main window, shown, with the driveshaft row in the strip.
struct ExampleWindow {
    ExampleWindow() {
        sheet.ProgramFolder = GYRANT_DATA_DIR;
        SetupWorksheet(sheet);
        ReadSpecFile(sheet, std::string(GYRANT_DATA_DIR) + "/GyrantFiles/V8 Street Car.qrx");
        window = std::make_unique<MainWindow>(sheet);
        window->show();
        QApplication::processEvents();
        window->Editor().TableClick(kBaseline, kDriveshaftRow);
    }
    // Each kept change differs from the last, so each is an undoable step.
    void KeepChange() {
        wider = !wider;
        window->Editor().Strip().Field(kColOD).text = wider ? "4.5" : "4";
        emit window->StripWidget().keepChangeClicked();
        window->repaint();
    }
    Worksheet sheet;
    std::unique_ptr<MainWindow> window;
    bool wider = false;
};

void KeepChangeAndRepaint(benchmark::State& state) {
    ExampleWindow example;
    for (auto _ : state) example.KeepChange();
    state.counters["undo steps"] = static_cast<double>(example.window->History().Stack().count());
}
void OpenWeightWindow(benchmark::State& state) {
    ExampleWindow example;
    for (auto _ : state) {
        WeightWindow weights(example.sheet, example.window.get());
        weights.show();
        weights.repaint();
    }
}
BENCHMARK(OpenWeightWindow)->Unit(benchmark::kMicrosecond);

void KeepChangeWithWeightWindowOpen(benchmark::State& state) {
    ExampleWindow example;
    example.window->findChild<QAction*>(QStringLiteral("mnuWeightGoes"))->trigger();
    auto* weights = example.window->findChild<WeightWindow*>();
    for (auto _ : state) {
        example.KeepChange();
        weights->repaint();
    }
}
BENCHMARK(KeepChangeWithWeightWindowOpen)->Unit(benchmark::kMicrosecond);

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
