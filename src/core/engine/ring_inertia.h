#pragma once

#include "engine/totals.h"
#include "model/strip_fields.h"
#include "model/worksheet.h"

namespace gyrant {

// The volumes of a tire, in cubic inches, and the inner diameter of its tread band.
struct TireVolume {
    double TotalVolume = 0;
    double TreadVolume = 0;
    double TreadID = 0;
};

// How many times a part row counts on the vehicle: wheels, tires and their parts twice on a
// four-wheeled one.
int TimesCounted(const SpecTable& table, int row);

// A part's or an engine detail row's weight as the rotating parts' total counts it, in pounds.
double CountedWeight(const SpecTable& table, int row);

// A tire as two sidewall discs between rim and outer diameter plus a tread band between them,
// every wall 0.1 + 0.015 x O.D. thick.
TireVolume CalcTireVolume(double width, double od, double rimDia);

// Works out one component row's weight (from its dimensions and material, or as entered), its
// moment of inertia and its equivalent weight, writes them in the row's own units and adds the
// row's weight and equivalent weight to the running totals. Wheels, tires and their parts
// count twice on a four-wheeled vehicle. A row with a blank O.D., or an I.D. not below its
// O.D., gets empty results (its weight stays when typed) and adds nothing.
void CalcRingInertia(Worksheet& sheet, int tableIndex, int rowNumber, RunningTotals& totals);

// The same for the row as typed in the editing strip: its inputs are read from the strip and
// its results written there, with the fields that take input enabled; the table is untouched.
void CalcRingInertia(Worksheet& sheet, StripFields& strip, int tableIndex, int rowNumber,
                     RunningTotals& totals);

}  // namespace gyrant
