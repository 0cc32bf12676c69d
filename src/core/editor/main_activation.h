#pragma once

// What the main window does each time it becomes the active window again.

#include "editor/row_editor.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

// Unless the window that closed keeps the strip's row (`keepRow`: a sub-menu, the splash), and
// once an input the strip holds is kept or dropped, the tables are set up and laid out again and
// the strip goes back to row 1 of the Baseline vehicle; a kept change still counts as unsaved.
// True when the strip moved, so the window draws everything again.
bool ReturnToMainWindow(Worksheet& sheet, RowEditor& editor, Dialogs& dialogs, bool keepRow);

}  // namespace gyrant
