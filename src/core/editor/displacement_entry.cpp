#include "editor/displacement_entry.h"

#include "engine/engine_inertia.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

// Two tries at a count from 1 to 16; eight after the second bad answer or a Cancel.
int AskCylinders(Dialogs& dialogs) {
    const std::string title = "Enter Number of Cylinders";
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::string answer =
            dialogs.InputBox("How many cylinders are in this engine (1-16)?", title, "");
        double value = NumericValue(answer);
        if (value >= 1 && value <= 16) return static_cast<int>(value);
        if (attempt == 0)
            Tell(dialogs, "The value must be between 1 and 16.  Try again or click on Cancel.",
                 title);
    }
    return 8;
}

}  // namespace

void EnterDisplacement(Worksheet& sheet, Dialogs& dialogs, double displacement) {
    if (CylinderCount(sheet) < 1) SetCylinderCount(sheet, AskCylinders(dialogs));
    BuildNewEngineDims(sheet, displacement);
}

}  // namespace gyrant
