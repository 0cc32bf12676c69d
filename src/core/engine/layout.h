#pragma once

#include <string>

#include "model/worksheet.h"

namespace gyrant {

// The layout pass: derives the vehicle-wide flags from the current table, shows or hides the
// rows that depend on them (the primary reduction, the engine details) in that table, and
// writes the displacement from cylinders, bore and stroke into row 8.
void RefreshLayout(Worksheet& sheet);

// The caption of the frame around the tables: one vehicle or two.
std::string FrameCaption(const Worksheet& sheet);

// The line under the tables that says what the weight option does.
std::string OptionLineText(const Worksheet& sheet);

}  // namespace gyrant
