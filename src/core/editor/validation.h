#pragma once

#include <optional>
#include <string>

#include "editor/edit_strip.h"
#include "model/row_definitions.h"

namespace gyrant {

// Checks the number typed into a strip text box against the row's limits when the box is
// left: the box's text is normalised (a whole number where the row takes whole numbers) and
// stays so, refused or not, so the warning can be read beside it. Returns the warning for an
// entry out of range, nothing when the entry stands. Grams are checked at 450 to the pound. An
// I.D. must stay below the O.D. (checked when either is left and both are filled).
std::optional<std::string> ValidateEntry(const RowDefinitions& rows, int row, EditStrip& strip,
                                         int field);

}  // namespace gyrant
