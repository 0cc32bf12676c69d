// A sub-menu definition file of any bytes, read and laid out for every kind.

#include "calc/calc_layout.h"
#include "calc/menu_definition.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace gyrant;
    MenuDefinitionRead read = ReadMenuDefinition(fuzzing::WriteInput(data, size, "menu.CLC"));
    if (read.outcome.ok)
        for (int kind = 1; kind <= 6; ++kind) LayOutCalcMenu(read.definition, kind);
    return 0;
}
