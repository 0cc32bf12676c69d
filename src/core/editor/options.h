#pragma once

// The Options menu: one vehicle or two, whether rotating weights add to the vehicle weight, and
// the check marks that show the settings.

#include "model/worksheet.h"

namespace gyrant {

// Which Options items carry a check mark.
struct OptionChecks {
    bool oneVehicle = false;
    bool twoVehicles = false;
    bool weightStaysTotal = false;
    bool weightsAdd = false;
    bool englishUnits = false;
    bool metricCCs = false;
    bool metricLiters = false;
};

OptionChecks UpdateCheckMarks(const Worksheet& sheet);

// Shows one vehicle (false) or two (true) and lays the tables out again.
void SetVehicleCount(Worksheet& sheet, bool twoVehicles);

// Sets whether each rotating part's weight adds to the vehicle weight and recalculates both
// vehicles.
void SetWeightOption(Worksheet& sheet, bool weightsAdd);

}  // namespace gyrant
