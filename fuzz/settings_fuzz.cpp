// A settings file of any bytes.

#include "files/settings_file.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    gyrant::Worksheet sheet;
    gyrant::ReadSettings(sheet, gyrant::fuzzing::WriteInput(data, size, "CRCNFG.QRX"));
    return 0;
}
