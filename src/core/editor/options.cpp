#include "editor/options.h"

#include "engine/layout.h"
#include "engine/update_table.h"
#include "files/settings_file.h"

namespace gyrant {

OptionChecks UpdateCheckMarks(const Worksheet& sheet) {
    OptionChecks checks;
    checks.weightsAdd = sheet.document.WeightOption == 1;
    checks.weightStaysTotal = !checks.weightsAdd;
    checks.oneVehicle = sheet.document.TwoVehicles == 0;
    checks.twoVehicles = sheet.document.TwoVehicles == 1;
    checks.englishUnits = sheet.setup.UnitSystem == 0;
    checks.metricCCs = sheet.setup.UnitSystem == 1;
    checks.metricLiters = sheet.setup.UnitSystem == 2;
    return checks;
}

void SetVehicleCount(Worksheet& sheet, bool twoVehicles, Dialogs& dialogs) {
    sheet.document.TwoVehicles = twoVehicles ? 1 : 0;
    RefreshLayout(sheet);
    KeepSettings(sheet, dialogs);
}

void SetWeightOption(Worksheet& sheet, bool weightsAdd, Dialogs& dialogs) {
    int option = weightsAdd ? 1 : 0;
    // The worksheet's file keeps its weights option: another one is unsaved work.
    if (sheet.document.WeightOption != option) sheet.file.SpecsChanged = 1;
    sheet.document.WeightOption = option;
    Recalculate(sheet);
    KeepSettings(sheet, dialogs);
}

}  // namespace gyrant
