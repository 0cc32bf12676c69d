#pragma once

// Both spec tables of a worksheet as text for a terminal or a spreadsheet.

#include <ostream>

#include "model/worksheet.h"

namespace gyrant {

// Each table under its name, every row 0 to 31 and every column, aligned in columns.
void WriteAlignedTables(const Worksheet& sheet, std::ostream& out);

// One CSV record per row 1 to 31 of each table, led by the table's index (0 Baseline,
// 1 Proposed), every cell exactly as held; the Baseline table has no "Imprvmnt" cell.
void WriteCsvTables(const Worksheet& sheet, std::ostream& out);

}  // namespace gyrant
