// A kept gear-ratios file of any bytes, read back and taken as typed ratios, as Where the Weight
// Goes does at its start.

#include "analysis/every_gear.h"
#include "files/gear_list.h"
#include "fuzz_file.h"
#include "model/spec_rows.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    gyrant::Worksheet sheet;
    sheet.setup.SettingsFolder =
        gyrant::fuzzing::WriteInput(data, size, "gear-ratios.txt").parent_path();
    sheet.setup.Rows.RowLowLimit[gyrant::kGearRatioRow][0] = 0.4f;
    sheet.setup.Rows.RowHighLimit[gyrant::kGearRatioRow][0] = 7;
    gyrant::ReadGearRatios(gyrant::ReadGearList(sheet), sheet);
    return 0;
}
