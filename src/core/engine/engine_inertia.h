#pragma once

#include "engine/totals.h"
#include "model/worksheet.h"
#include "ports/dialogs.h"

namespace gyrant {

// Reads a table's cylinders, bore and stroke and works out the displacement in cubic inches.
void CalcCID(Worksheet& sheet, int tableIndex);

// Writes the engine rows' weight, inertia and equivalent weight (an estimate from the
// displacement and engine class, or the crankshaft and per-cylinder weights when details are
// given) and adds the engine's share to the running totals.
void CalcEngineInertia(Worksheet& sheet, int tableIndex, RunningTotals& totals);

// Turns a newly entered displacement of the current table back into a bore and a stroke,
// keeping a stroke already there; asks for the number of cylinders when it is missing.
void BuildNewEngineDims(Worksheet& sheet, Dialogs& dialogs, double displacement);

}  // namespace gyrant
