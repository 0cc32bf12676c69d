#pragma once

#include <string>

#include "model/worksheet.h"

namespace gyrant {

// The layout pass: derives each table's vehicle-wide flags from its own rows, shows or hides
// the rows that depend on them (the primary reduction, the engine details) in that table,
// writes the displacement from cylinders, bore and stroke into its row 8, and brings the
// improvement column in line with the vehicle count.
void RefreshLayout(Worksheet& sheet);

// The caption of the frame around the tables: one vehicle or two.
std::string FrameCaption(const Worksheet& sheet);

// The line under the tables that says what the weight option does.
std::string OptionLineText(const Worksheet& sheet);

}  // namespace gyrant
