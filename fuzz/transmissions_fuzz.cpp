// A transmission file of any bytes, listed gear by gear.

#include "calc/transmissions.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    for (const gyrant::Transmission& transmission :
         gyrant::LoadTrans(gyrant::fuzzing::WriteInput(data, size, "trans")).transmissions)
        gyrant::GearEntries(transmission);
    return 0;
}
