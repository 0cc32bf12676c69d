#pragma once

// What an undoable step of the worksheet keeps: its document, that is the cells of both tables,
// the comments, the options that recompute them and the run's inputs as typed. Undo and Redo put
// one of these back. Neighbouring states share one copy of comments that did not change, so long
// comments cost their size once.

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

struct WorksheetSnapshot {
    std::array<std::vector<std::string>, 2> cells;
    std::shared_ptr<const std::string> comments;
    int twoVehicles = 0;
    int weightOption = 0;
    std::map<std::string, std::string> runEntries;

    bool operator==(const WorksheetSnapshot& other) const;
};

// The document as the user has it now; its comments are `previous`'s own copy when they are
// the same.
WorksheetSnapshot TakeSnapshot(const WorksheetDocument& document,
                               const WorksheetSnapshot* previous = nullptr);

// Puts a snapshot's cells, comments, options and run inputs back into the document, and nothing
// else.
void RestoreDocument(WorksheetDocument& document, const WorksheetSnapshot& snapshot);

// Puts a snapshot back and recalculates both vehicles; an option that differs from the current
// one is written to the settings at once, as the Options menu does. The mark of unsaved work is
// the history's to set.
void RestoreSnapshot(Worksheet& sheet, const WorksheetSnapshot& snapshot, Dialogs& dialogs);

// The memory the states hold, a state or a comment text that several share counted once.
std::size_t HeldBytes(const std::vector<const WorksheetSnapshot*>& states);

}  // namespace gyrant
