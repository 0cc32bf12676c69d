#pragma once

#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

// Takes a displacement entered for the current table (in the strip or the EZ Build Wizard):
// asks for the number of cylinders when the table has none, then turns the displacement into
// a bore and a stroke. False when the user cancelled the question: the table is left as it was.
[[nodiscard]] bool EnterDisplacement(Worksheet& sheet, Dialogs& dialogs, double displacement);

}  // namespace gyrant
