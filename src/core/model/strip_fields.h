#pragma once

// The editing strip as the calculations see it: fields numbered like the table columns.
// The calculations read the row being edited from it and write its computed fields back,
// without knowing how the strip is drawn.

#include <string>

namespace gyrant {

class StripFields {
  public:
    virtual ~StripFields() = default;

    // The text of a text field (Value, O.D., I.D., Width, Weight, Inertia, Eq. Wt), or the
    // shown text of a list field (Material, Units).
    virtual std::string Text(int field) const = 0;
    virtual void SetText(int field, const std::string& text) = 0;
    // The chosen position of a list field, -1 when nothing is chosen.
    virtual int ListIndex(int field) const = 0;
    virtual void SetEnabled(int field, bool enabled) = 0;
};

}  // namespace gyrant
