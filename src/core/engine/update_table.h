#pragma once

#include "model/worksheet.h"

namespace gyrant {

// Recalculates one table: the speed factors, the engine rows, every shown component row, the
// totals rows 30 and 31 and each row's share of the total.
void UpdateTable(Worksheet& sheet, int tableIndex);

// The full recalculation after any change: the layout pass, both tables, then the improvement
// column of the Proposed table.
void Recalculate(Worksheet& sheet);

}  // namespace gyrant
