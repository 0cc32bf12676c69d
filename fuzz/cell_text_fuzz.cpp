// Cell texts of any bytes read as numbers and choices, and the numbers written back.

#include "fuzz_file.h"
#include "text/cell_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace gyrant;
    std::string text = fuzzing::AsText(data, size);
    LeadingNumber number = ReadLeadingNumber(text);
    double value = NumericValue(text);
    if (number.found && !number.overflow && number.value != value) __builtin_trap();
    for (const char* picture :
         {"####.00", "####.000", "######.00", "#####.###", "#####0.##", "###.0", "0"}) {
        std::string written = FormatPicture(value, picture);
        if (written.find("inf") != std::string::npos || written.find("nan") != std::string::npos)
            __builtin_trap();
    }
    GeneralForm(value);
    GeneralFormSingle(static_cast<float>(value));
    ChoiceNumberInLast(text, 4);
    ChoiceLastCharacter(text);
    IsBlank(text);
    return 0;
}
