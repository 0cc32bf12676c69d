#pragma once

// What an undoable step of the worksheet keeps: the cells of both tables, the comments and the
// options that recompute them. Undo and Redo put one of these back.

#include <array>
#include <string>
#include <vector>

#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

struct WorksheetSnapshot {
    std::array<std::vector<std::string>, 2> cells;
    std::string comments;
    int twoVehicles = 0;
    int weightOption = 0;

    bool operator==(const WorksheetSnapshot&) const = default;
};

// The worksheet as the user has it now.
WorksheetSnapshot TakeSnapshot(const Worksheet& sheet);

// Puts a snapshot back and recalculates both vehicles. The worksheet counts as changed unless
// it is back at the state last opened or saved (`savedState`); an option that differs from the
// current one is written to the settings at once, as the Options menu does.
void RestoreSnapshot(Worksheet& sheet, const WorksheetSnapshot& snapshot, bool savedState,
                     Dialogs& dialogs);

}  // namespace gyrant
