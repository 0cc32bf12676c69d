// "Keep Change" on a fully filled worksheet, recorded as an undoable step, to both tables
// recomputed and repainted in the main window, alone, with the engine given and with Where the
// Weight Goes open; that window opened and painted; a figure typed on its strip tab; and the File
// menu opened over a huge recent worksheets list (offscreen).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <filesystem>
#include <fstream>
#include <memory>

#include "analysis/weight_window.h"
#include "example_sheet.h"
#include "files/recent_files.h"
#include "model/spec_rows.h"
#include "shell/main_window.h"
#include "text/line_reader.h"

namespace gyrant {
namespace {

// The example worksheet in the main window, shown, with the driveshaft row in the strip.
struct ExampleWindow {
    ExampleWindow() {
        LoadExample(sheet);
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
    // A settings folder of the run's own, so that what the window keeps (typed gear ratios, the
    // recent worksheets) never lands beside the shipped data; the caller removes it.
    std::filesystem::path KeepSettingsApart() {
        std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("gyrant-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        sheet.setup.SettingsFolder = folder;
        return folder;
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
        WeightWindow weights(example.sheet, example.window->UserDialogs(), example.window.get());
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

// The answer under the tables then runs both vehicles down the strip for its seconds.
void KeepChangeWithTheEngineGiven(benchmark::State& state) {
    ExampleWindow example;
    example.sheet.document.RunEntries = {{"power", "350@5500"}, {"torque", "380@4000"}};
    for (auto _ : state) example.KeepChange();
}
BENCHMARK(KeepChangeWithTheEngineGiven)->Unit(benchmark::kMicrosecond);

// A figure typed on the strip tab over the example's engine and three gears: both slips, every
// part's seconds and the charts again, and the window repainted, as at each key.
void TypeOnTheStripTab(benchmark::State& state) {
    ExampleWindow example;
    std::filesystem::path folder = example.KeepSettingsApart();
    example.sheet.document.RunEntries = {{"power", "350@5500"}, {"torque", "380@4000"}};
    example.window->findChild<QAction*>(QStringLiteral("mnuWeightGoes"))->trigger();
    auto* weights = example.window->findChild<WeightWindow*>();
    weights->Ratios()->setText(QStringLiteral("2.52, 1.52, 1.00"));
    emit weights->Ratios()->editingFinished();
    weights->Tabs()->setCurrentWidget(weights->Strip());
    QLineEdit* grip = weights->Strip()->Entry("grip");
    bool higher = false;
    for (auto _ : state) {
        higher = !higher;
        grip->setText(higher ? QStringLiteral("1.2") : QStringLiteral("1.1"));
        emit grip->textEdited(grip->text());
        weights->repaint();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(TypeOnTheStripTab)->Unit(benchmark::kMillisecond);

// The File menu opened (it lists the recent worksheets afresh each time) over a tampered list
// of 60 MB: lines of the length given, each naming a worksheet that is gone.
void OpenFileMenuOverHugeRecentList(benchmark::State& state, std::size_t lineBytes) {
    ExampleWindow example;
    std::filesystem::path folder = example.KeepSettingsApart();
    std::string line = "/gone/" + std::string(lineBytes - 7, 'w') + "\n";
    std::ofstream list(RecentFilesPath(example.sheet), std::ios::binary);
    for (std::size_t written = 0; written < (std::size_t{60} << 20); written += line.size())
        list << line;
    list.close();
    auto* file = example.window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    for (auto _ : state) emit file->aboutToShow();
    std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(OpenFileMenuOverHugeRecentList, short_lines, 60)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenFileMenuOverHugeRecentList, longest_lines, kMostLineBytes)
    ->Unit(benchmark::kMillisecond);

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
