#include "editor/options.h"

#include "engine/layout.h"
#include "engine/update_table.h"
#include "files/settings_file.h"

namespace gyrant {

OptionChecks UpdateCheckMarks(const Worksheet& sheet) {
    OptionChecks checks;
    checks.weightsAdd = sheet.WeightOption == 1;
    checks.weightStaysTotal = !checks.weightsAdd;
    checks.oneVehicle = sheet.TwoVehicles == 0;
    checks.twoVehicles = sheet.TwoVehicles == 1;
    checks.englishUnits = sheet.UnitSystem == 0;
    checks.metricCCs = sheet.UnitSystem == 1;
    checks.metricLiters = sheet.UnitSystem == 2;
    return checks;
}

void SetVehicleCount(Worksheet& sheet, bool twoVehicles, Dialogs& dialogs) {
    sheet.TwoVehicles = twoVehicles ? 1 : 0;
    RefreshLayout(sheet);
    KeepSettings(sheet, dialogs);
}

void SetWeightOption(Worksheet& sheet, bool weightsAdd, Dialogs& dialogs) {
    sheet.WeightOption = weightsAdd ? 1 : 0;
    Recalculate(sheet);
    KeepSettings(sheet, dialogs);
}

}  // namespace gyrant
