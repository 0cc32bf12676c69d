#include "editor/displacement_entry.h"

#include <optional>

#include "engine/engine_inertia.h"
#include "text/cell_text.h"

namespace gyrant {
namespace {

// A count from 1 to 16, asked until one is given; nothing when the user cancels. An empty
// answer gives no count, so it is taken as Cancel too.
std::optional<int> AskCylinders(Dialogs& dialogs) {
    const std::string title = "Enter Number of Cylinders";
    while (true) {
        std::string answer =
            dialogs.InputBox("How many cylinders are in this engine (1-16)?", title, "");
        if (answer.empty()) return std::nullopt;
        double value = NumericValue(answer);
        if (value >= 1 && value <= 16) return static_cast<int>(value);
        Tell(dialogs, "The value must be between 1 and 16.  Try again or click on Cancel.", title);
    }
}

}  // namespace

bool EnterDisplacement(Worksheet& sheet, Dialogs& dialogs, double displacement) {
    if (CylinderCount(sheet) < 1) {
        std::optional<int> cylinders = AskCylinders(dialogs);
        if (!cylinders) return false;
        SetCylinderCount(sheet, *cylinders);
    }
    BuildNewEngineDims(sheet, displacement);
    return true;
}

}  // namespace gyrant
