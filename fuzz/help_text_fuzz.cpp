// A help page, a warning file and report comments of any bytes.

#include "fuzz_file.h"
#include "help/text_file.h"
#include "report/printed_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace gyrant;
    fuzzing::WriteInput(data, size, "GyrantTEXT/page.txt");
    fuzzing::WriteInput(data, size, "GyrantTEXT/WARNING.TXT");
    ReadTextFile(fuzzing::FuzzFolder(), "page.txt");
    ReadWarningText(fuzzing::FuzzFolder());
    PrintedLines(fuzzing::AsText(data, size));
    return 0;
}
