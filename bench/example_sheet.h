#pragma once

// The example worksheet every benchmark times, set up from the shipped data. A set-up or a read
// that fails ends the run with its message: timings of half-built tables would measure nothing.

#include <stdexcept>
#include <string>

#include "files/program_places.h"
#include "files/spec_file.h"

namespace gyrant {

inline void LoadExample(Worksheet& sheet) {
    sheet.setup.ProgramFolder = GYRANT_DATA_DIR;
    Outcome setup = SetupWorksheet(sheet);
    if (!setup.ok) throw std::runtime_error(setup.message);
    SpecFileResult read =
        ReadSpecFile(sheet, std::string(GYRANT_DATA_DIR) + "/GyrantFiles/V8 Street Car.qrx");
    if (read.status != SpecFileStatus::Done) throw std::runtime_error(read.message);
}

}  // namespace gyrant
