#pragma once

#include <filesystem>

#include "model/worksheet.h"
#include "outcome.h"

namespace gyrant {

// Rebuilds both tables' headings, row numbers, descriptions and spacer lines from the
// row-definition file. Input and result cells are untouched and a rebuild never counts as a
// change. When the file is missing or short the tables are left as they were and the failure
// names the file.
Outcome SetupTables(Worksheet& sheet, const std::filesystem::path& rowDefinitionsFile);

}  // namespace gyrant
