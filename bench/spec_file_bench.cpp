// Opening and saving one spec file: reading it into the worksheet and writing it back. Measured
// in a folder in memory (the program's own work) and on the disk of the temporary folder (with
// the file system's cost of creating and renaming the temporary file that makes a save safe).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "files/spec_file.h"
#include "model/worksheet.h"

namespace gyrant {
namespace {

namespace fs = std::filesystem;

void ReadAndWrite(benchmark::State& state, const fs::path& folder) {
    fs::path copy = folder / "gyrant-bench.qrx";
    fs::copy_file(fs::path(GYRANT_DATA_DIR) / "GyrantFiles" / "V8 Street Car.qrx", copy,
                  fs::copy_options::overwrite_existing);
    Worksheet sheet;
    sheet.setup.ProgramFolder = GYRANT_DATA_DIR;
    for (auto _ : state) {
        ReadSpecFile(sheet, copy.string());
        WriteSpecFile(sheet, copy.string());
    }
    fs::remove(copy);
}

void ReadAndWriteSpecFileInMemory(benchmark::State& state) {
    std::error_code error;
    if (!fs::is_directory("/dev/shm", error)) {
        state.SkipWithError("no folder in memory (/dev/shm) on this machine");
        return;
    }
    ReadAndWrite(state, "/dev/shm");
}
BENCHMARK(ReadAndWriteSpecFileInMemory);

void ReadAndWriteSpecFileOnDisk(benchmark::State& state) {
    ReadAndWrite(state, fs::temp_directory_path());
}
BENCHMARK(ReadAndWriteSpecFileOnDisk);

}  // namespace
}  // namespace gyrant
