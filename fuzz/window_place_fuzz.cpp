// A kept window place of any bytes, read and laid against two screens side by side, as the main
// window does at its start.

#include "files/window_place.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::optional<gyrant::WindowRect> place =
        gyrant::ReadWindowPlace(gyrant::fuzzing::WriteInput(data, size, "gyrant-window.txt"));
    if (place)
        (void)gyrant::RestoredPlace(*place, {{0, 0, 19200, 10800}, {19200, 0, 19200, 10800}});
    return 0;
}
