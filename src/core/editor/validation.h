#pragma once

#include <optional>
#include <string>

#include "editor/edit_strip.h"
#include "model/row_definitions.h"

namespace gyrant {

// Checks the number typed into a strip text box against the row's limits when the box is
// left: the text is normalised (a whole number where the row takes whole numbers), and an
// entry out of range gets the warning text and the box its previous text back. Returns the
// warning, nothing when the entry stands. Grams are checked at 450 to the pound.
std::optional<std::string> ValidateEntry(const RowDefinitions& rows, int row, EditStrip& strip,
                                         int field);

}  // namespace gyrant
