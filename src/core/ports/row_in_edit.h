#pragma once

namespace gyrant {

// The row the editing strip holds, as the file commands reach it: asked about before another
// worksheet replaces this one or the program ends, and shown again after an Open.
class RowInEdit {
  public:
    virtual ~RowInEdit() = default;

    // When the strip holds an input its row in the table does not, asks whether to keep it;
    // false when the strip stays on its row.
    virtual bool ConfirmLeavingRow() = 0;
    // Loads the row of a table into the strip, as a click on it does.
    virtual void TableClick(int table, int row) = 0;
};

}  // namespace gyrant
