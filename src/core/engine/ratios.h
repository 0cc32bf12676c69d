#pragma once

#include "model/strip_fields.h"
#include "model/worksheet.h"

namespace gyrant {

// Works out every speed factor of a table's drivetrain from its tire diameters and ratios,
// and the table's note on what is missing (`RatioNote`). `editing` is the editing strip when it
// holds the table's current row: while that is the rear or front wheel row, a missing tire is
// estimated from the wheel as typed there.
void GetRatios(Worksheet& sheet, int tableIndex, const StripFields* editing = nullptr);

// Fills the Proposed table's "Imprvmnt" column: how much lighter each row's equivalent weight
// is than the Baseline's, in percent; -9999 and 9999 when only one of the two has one. Every
// other row, and the whole column while one vehicle is shown, is left empty.
void CalcVehicleImprovement(Worksheet& sheet);

}  // namespace gyrant
