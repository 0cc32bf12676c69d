#pragma once

// The Options menu: one vehicle or two, whether rotating weights add to the vehicle weight, and
// the check marks that show the settings; each change is written to the settings file.

#include "model/worksheet.h"
#include "ports/dialogs.h"

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

// Shows one vehicle (false) or two (true), lays the tables out again and keeps the settings.
void SetVehicleCount(Worksheet& sheet, bool twoVehicles, Dialogs& dialogs);

// Sets whether each rotating part's weight adds to the vehicle weight, recalculates both
// vehicles and keeps the settings; another option than the worksheet had is unsaved work, since
// its file keeps it.
void SetWeightOption(Worksheet& sheet, bool weightsAdd, Dialogs& dialogs);

}  // namespace gyrant
