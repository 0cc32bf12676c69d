// A spec file of any bytes: read, recalculated and written back out without a fault.

#include "engine/update_table.h"
#include "files/spec_file.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace gyrant;
    Worksheet sheet;
    sheet.setup.ProgramFolder = fuzzing::FuzzFolder();
    SpecFileResult read =
        ReadSpecFile(sheet, fuzzing::WriteInput(data, size, "input.qrx").string());
    if (SpecsRead(read.status)) {
        sheet.document.TwoVehicles = 1;
        Recalculate(sheet);
        SpecFileText(sheet.document);
    }
    return 0;
}
