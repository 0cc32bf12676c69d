// A spec file of any bytes, its stored run inputs included: read, recalculated and run down the
// strip, each part too, without a fault.

#include "analysis/every_gear.h"
#include "engine/update_table.h"
#include "files/spec_file.h"
#include "fuzz_file.h"
#include "timeslip/strip_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace gyrant;
    Worksheet sheet;
    sheet.setup.ProgramFolder = fuzzing::FuzzFolder();
    SpecFileResult read =
        ReadSpecFile(sheet, fuzzing::WriteInput(data, size, "input.qrx").string());
    if (!SpecsRead(read.status)) return 0;
    sheet.document.TwoVehicles = 1;
    Recalculate(sheet);
    GearRatiosRead ratios = RatiosToShow("", sheet);
    if (ratios.outcome.ok) RunOnTheStrip(sheet, sheet.document.RunEntries, ratios.ratios);
    return 0;
}
