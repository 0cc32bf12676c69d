#pragma once

#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

// Rebuilds both tables' headings, row numbers, descriptions and spacer lines from the
// row-definition file beside the program, and the display name. Input and result cells are
// untouched and a rebuild never counts as a change. When the file is missing or short the
// tables are left as they were and the failure names the file.
Outcome SetupTables(Worksheet& sheet);

}  // namespace gyrant
