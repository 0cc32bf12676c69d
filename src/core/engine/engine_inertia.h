#pragma once

#include "engine/totals.h"
#include "model/worksheet.h"

namespace gyrant {

// Reads a table's cylinders, bore and stroke and works out the displacement in cubic inches.
void CalcCID(Worksheet& sheet, int tableIndex);

// Writes the engine rows' weight, inertia and equivalent weight (an estimate from the
// displacement and engine class, or the crankshaft and per-cylinder weights when details are
// given) and adds the engine's share to the running totals.
void CalcEngineInertia(Worksheet& sheet, int tableIndex, RunningTotals& totals);

// The number of cylinders the current table gives, below 1 when it gives none.
int CylinderCount(const Worksheet& sheet);
void SetCylinderCount(Worksheet& sheet, int cylinders);

// Turns a newly entered displacement of the current table back into a bore and a stroke for
// its number of cylinders, keeping a stroke already there.
void BuildNewEngineDims(Worksheet& sheet, double displacement);

}  // namespace gyrant
