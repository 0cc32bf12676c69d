// A recent worksheets list of any bytes.

#include "files/recent_files.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    gyrant::ReadRecentFiles(gyrant::fuzzing::WriteInput(data, size, "recent-worksheets.list"));
    return 0;
}
