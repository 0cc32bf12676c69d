// A row-definition file of any bytes.

#include "fuzz_file.h"
#include "model/row_definitions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    gyrant::ReadRowDefinitions(gyrant::fuzzing::WriteInput(data, size, "helpi.txt"));
    return 0;
}
