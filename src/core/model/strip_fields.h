#pragma once

// The editing strip as the calculations see it: fields numbered like the table columns.
// The calculations and the sub-menus read the row being edited from it and write their
// results back, without knowing how the strip is drawn or edited.

#include <string>

namespace gyrant {

// A row of one of the two tables.
struct TableRow {
    int table = -1;
    int row = 0;
    bool operator==(const TableRow&) const = default;
};

class StripFields {
  public:
    virtual ~StripFields() = default;

    // The text of a text field (Value, O.D., I.D., Width, Weight, Inertia, Eq. Wt), or the
    // shown text of a list field (Material, Units).
    virtual std::string Text(int field) const = 0;
    virtual void SetText(int field, const std::string& text) = 0;
    // The chosen position of a list field, -1 when nothing is chosen.
    virtual int ListIndex(int field) const = 0;
    virtual void SetListIndex(int field, int index) = 0;
    virtual void SetEnabled(int field, bool enabled) = 0;
    // The row last loaded into the strip, which every input it holds belongs to.
    virtual TableRow ShownRow() const = 0;
};

}  // namespace gyrant
